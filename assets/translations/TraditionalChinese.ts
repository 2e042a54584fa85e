<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Transport</source>
        <translation>播放控制</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>瀏覽</translation>
    </message>
</context>
<context>
    <name>CMidiSetupDlg</name>
    <message>
        <source>MIDI Setup</source>
        <translation>MIDI 設定</translation>
    </message>
    <message>
        <source>Select the device for MIDI Output.</source>
        <translation>請選擇 MIDI 輸出裝置。</translation>
    </message>
    <message>
        <source>The program will use this device to play sound.</source>
        <translation>本程式會用這個裝置播放聲音。</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>測試(&amp;T)</translation>
    </message>
</context>
<context>
    <name>CNewSongDlg</name>
    <message>
        <source>New Music Wizard</source>
        <translation>新樂曲精靈</translation>
    </message>
    <message>
        <source>Tracks</source>
        <translation>音軌</translation>
    </message>
    <message>
        <source>&amp;Template</source>
        <translation>範本(&amp;T)</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <translation>自訂(&amp;U)</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>調性</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>大調(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>小調(&amp;I)</translation>
    </message>
    <message>
        <source>T&amp;empo</source>
        <translation>速度(&amp;E)</translation>
    </message>
    <message>
        <source>Time &amp;Signature</source>
        <translation>拍號(&amp;S)</translation>
    </message>
    <message>
        <source>Use &amp;Default</source>
        <translation>使用預設值(&amp;D)</translation>
    </message>
    <message>
        <source>Tre&amp;ble</source>
        <translation>高音譜(&amp;B)</translation>
    </message>
    <message>
        <source>B&amp;ass</source>
        <translation>低音譜(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Percussion</source>
        <translation>打擊樂(&amp;P)</translation>
    </message>
    <message>
        <source>Accompa&amp;niment</source>
        <translation>伴奏(&amp;N)</translation>
    </message>
</context>
<context>
    <name>ClearBarsDialog</name>
    <message>
        <source>Clear Bars</source>
        <translation>清除小節</translation>
    </message>
    <message>
        <source>&amp;Track:</source>
        <translation>音軌(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;From bar:</source>
        <translation>從小節(&amp;F)：</translation>
    </message>
    <message>
        <source>T&amp;o bar:</source>
        <translation>到小節(&amp;O)：</translation>
    </message>
</context>
<context>
    <name>CopyBarDialog</name>
    <message>
        <source>Copy Bar</source>
        <translation>複製小節</translation>
    </message>
    <message>
        <source>&amp;Source Track</source>
        <translation>來源音軌(&amp;S)</translation>
    </message>
    <message>
        <source>D&amp;estination Track</source>
        <translation>目的音軌(&amp;E)</translation>
    </message>
    <message>
        <source>Copy &amp;all tracks</source>
        <translation>複製所有音軌(&amp;A)</translation>
    </message>
    <message>
        <source>Source Bar Range</source>
        <translation>來源小節範圍</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>從(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>到(&amp;T)：</translation>
    </message>
    <message>
        <source>Destination &amp;Bar</source>
        <translation>目的小節(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Repetition(s)</source>
        <translation>重複次數(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CrashReport</name>
    <message>
        <source>Crash Report</source>
        <translation>當機報告</translation>
    </message>
    <message>
        <source>Quillsong crashed due to programming error.

Would you like to report this bug to Fernwick?
This can help us to improve this software. Thanks!</source>
        <translation>Quillsong 因程式錯誤而當機。

您要向 Fernwick 回報這個錯誤嗎？
這能幫助我們改進這個軟體。謝謝！</translation>
    </message>
    <message>
        <source>Please attach this file to your report:</source>
        <translation>請將這個檔案附加在您的報告中：</translation>
    </message>
    <message>
        <source>Report bug</source>
        <translation>回報錯誤</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
</context>
<context>
    <name>DeleteBarsDialog</name>
    <message>
        <source>Delete Bars</source>
        <translation>刪除小節</translation>
    </message>
    <message>
        <source>Delete bars range</source>
        <translation>要刪除的小節範圍</translation>
    </message>
    <message>
        <source>&amp;From bar:</source>
        <translation>從小節(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;To bar:</source>
        <translation>到小節(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>DeleteTrackDialog</name>
    <message>
        <source>Delete Track</source>
        <translation>刪除音軌</translation>
    </message>
    <message>
        <source>&amp;Tracks:</source>
        <translation>音軌(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
</context>
<context>
    <name>EditMenu</name>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>復原(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl-Y</source>
        <translation>重做(&amp;R)	Ctrl-Y</translation>
    </message>
</context>
<context>
    <name>EditorMessages</name>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>資訊</translation>
    </message>
    <message>
        <source>Cannot transpose the score.
 Error occurred during transposition.
Please transpose to another key instead.</source>
        <translation>無法將樂譜移調。
移調時發生錯誤。
請改為移至其他調。</translation>
    </message>
    <message>
        <source>The key can be either transposed to F# or Gb.
Do you prefer using sharp in key signature?

[Yes] - use F#
[No] - use Gb</source>
        <translation>此調可以移為 F# 或 Gb。
調號要使用升記號嗎？

[是] - 使用 F#
[否] - 使用 Gb</translation>
    </message>
    <message>
        <source>The number of shift is restricted to 8 steps</source>
        <translation>移動的級數最多為 8 級</translation>
    </message>
    <message>
        <source>Invalid bar range</source>
        <translation>小節範圍無效</translation>
    </message>
    <message>
        <source>Number of bars limit exceeded</source>
        <translation>超過小節數上限</translation>
    </message>
    <message>
        <source>Maximum number of bars</source>
        <translation>小節數上限</translation>
    </message>
    <message>
        <source>Number of bars you can insert</source>
        <translation>還可插入的小節數</translation>
    </message>
    <message>
        <source>The number of bars to insert must be at least 1</source>
        <translation>插入的小節數至少須為 1</translation>
    </message>
    <message>
        <source>Cannot delete all the bars</source>
        <translation>無法刪除所有的小節</translation>
    </message>
    <message>
        <source>Invalid source bar range</source>
        <translation>來源小節範圍無效</translation>
    </message>
    <message>
        <source>The destination cannot be inside the source bar range</source>
        <translation>目的位置不可在來源小節範圍之內</translation>
    </message>
    <message>
        <source>The destination do not have enough space to do this operation</source>
        <translation>目的位置沒有足夠的空間執行這項操作</translation>
    </message>
    <message>
        <source>The number of repetitions must be at least 1</source>
        <translation>重複次數至少須為 1</translation>
    </message>
    <message>
        <source>The selected bars must be continuous</source>
        <translation>選取的小節必須是連續的</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>沒有選取任何項目</translation>
    </message>
    <message>
        <source>The selections are not bars or texts</source>
        <translation>選取的項目不是小節或文字</translation>
    </message>
    <message>
        <source>Nothing inside clipboard</source>
        <translation>剪貼簿中沒有任何內容</translation>
    </message>
    <message>
        <source>Either the source or destination is/are not bars</source>
        <translation>來源或目的位置不是小節</translation>
    </message>
    <message>
        <source>The source and destination music have different time signature.
Copy and paste across them is not allowed.</source>
        <translation>來源與目的樂曲的拍號不同。
無法在兩者之間複製貼上。</translation>
    </message>
    <message>
        <source>There is not enough space for pasting the bars</source>
        <translation>沒有足夠的空間貼上小節</translation>
    </message>
    <message>
        <source>The pasting area&apos;s dimension is different from the copy area&apos;s dimension</source>
        <translation>貼上區域的大小與複製區域的大小不同</translation>
    </message>
    <message>
        <source>Are you sure to delete</source>
        <translation>確定要刪除</translation>
    </message>
    <message>
        <source>Are you sure to delete track</source>
        <translation>確定要刪除音軌</translation>
    </message>
    <message>
        <source>Please select track</source>
        <translation>請選擇音軌</translation>
    </message>
    <message>
        <source>The accompaniment track must be on the top</source>
        <translation>伴奏音軌必須位於最上方</translation>
    </message>
    <message>
        <source>The tempo must be within 20 and 208</source>
        <translation>速度必須介於 20 與 208 之間</translation>
    </message>
    <message>
        <source>Zoom percent must be within 50% to 200%</source>
        <translation>縮放比例必須介於 50% 與 200% 之間</translation>
    </message>
</context>
<context>
    <name>FileMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>開新檔案(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>開啟舊檔(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>儲存檔案(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>另存新檔(&amp;A)...</translation>
    </message>
    <message>
        <source>Export to &amp;MIDI...</source>
        <translation>匯出成 MIDI 檔(&amp;M)...</translation>
    </message>
    <message>
        <source>Export to Music&amp;XML...</source>
        <translation>匯出成 MusicXML 檔(&amp;X)...</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>列印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>預覽列印(&amp;V)</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>列印設定(&amp;R)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>要儲存 %1 的變更嗎？</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Export music to MIDI file</source>
        <translation>將樂曲匯出成 MIDI 檔</translation>
    </message>
    <message>
        <source>MIDI files (*.mid)</source>
        <translation>MIDI 檔案 (*.mid)</translation>
    </message>
    <message>
        <source>Export music to MusicXML file</source>
        <translation>將樂曲匯出成 MusicXML 檔</translation>
    </message>
    <message>
        <source>MusicXML files (*.musicxml *.xml);;Compressed MusicXML files (*.mxl)</source>
        <translation>MusicXML 檔案 (*.musicxml *.xml);;壓縮的 MusicXML 檔案 (*.mxl)</translation>
    </message>
</context>
<context>
    <name>FloatingText</name>
    <message>
        <source>Insert Text...</source>
        <translation>插入文字...</translation>
    </message>
</context>
<context>
    <name>FormFields</name>
    <message>
        <source>%s [%s] ?</source>
        <translation>%s [%s] 嗎？</translation>
    </message>
</context>
<context>
    <name>HelpPages</name>
    <message>
        <source>The help pages are missing:
%s</source>
        <translation>找不到說明頁面：
%s</translation>
    </message>
    <message>
        <source>No web browser could open the help page:
%s</source>
        <translation>沒有網頁瀏覽器能開啟說明頁面：
%s</translation>
    </message>
</context>
<context>
    <name>InputCommands</name>
    <message>
        <source>Whole Note</source>
        <translation>全音符</translation>
    </message>
    <message>
        <source>Half Note</source>
        <translation>二分音符</translation>
    </message>
    <message>
        <source>Quarter Note</source>
        <translation>四分音符</translation>
    </message>
    <message>
        <source>Eighth Note</source>
        <translation>八分音符</translation>
    </message>
    <message>
        <source>Sixteenth Note</source>
        <translation>十六分音符</translation>
    </message>
    <message>
        <source>Sharp</source>
        <translation>升記號</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>降記號</translation>
    </message>
    <message>
        <source>Natural</source>
        <translation>還原記號</translation>
    </message>
    <message>
        <source>Whole Rest</source>
        <translation>全休止符</translation>
    </message>
    <message>
        <source>Half Rest</source>
        <translation>二分休止符</translation>
    </message>
    <message>
        <source>Quarter Rest</source>
        <translation>四分休止符</translation>
    </message>
    <message>
        <source>Eighth Rest</source>
        <translation>八分休止符</translation>
    </message>
    <message>
        <source>Sixteenth Rest</source>
        <translation>十六分休止符</translation>
    </message>
    <message>
        <source>Dot</source>
        <translation>附點</translation>
    </message>
    <message>
        <source>Triplet</source>
        <translation>三連音</translation>
    </message>
    <message>
        <source>Tie</source>
        <translation>連結線</translation>
    </message>
    <message>
        <source>Insert note or rest
Pencil</source>
        <translation>插入音符或休止符
鉛筆</translation>
    </message>
    <message>
        <source>Delete notes, remove user text boxes
Eraser</source>
        <translation>刪除音符、移除自訂文字方塊
橡皮擦</translation>
    </message>
    <message>
        <source>Select bar for copy and paste, select notes for batch delete and make changes etc...
Select</source>
        <translation>選取小節以複製貼上，或選取音符以整批刪除及修改等等...
選取</translation>
    </message>
</context>
<context>
    <name>InsertBarsDialog</name>
    <message>
        <source>Insert Bars</source>
        <translation>插入小節</translation>
    </message>
    <message>
        <source>&amp;Number of bars:</source>
        <translation>小節數(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Insert:</source>
        <translation>插入位置(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Bar:</source>
        <translation>小節(&amp;B)：</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之後</translation>
    </message>
</context>
<context>
    <name>LyricsDialog</name>
    <message>
        <source>Lyrics</source>
        <translation>歌詞</translation>
    </message>
    <message>
        <source>&amp;Tracks with lyrics:</source>
        <translation>有歌詞的音軌(&amp;T)：</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl-C</source>
        <translation>複製(&amp;C)	Ctrl-C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl-V</source>
        <translation>貼上(&amp;P)	Ctrl-V</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>縮放(&amp;Z)</translation>
    </message>
    <message>
        <source>200% (&amp;1)</source>
        <translation>200% (&amp;1)</translation>
    </message>
    <message>
        <source>150% (&amp;2)</source>
        <translation>150% (&amp;2)</translation>
    </message>
    <message>
        <source>125% (&amp;3)</source>
        <translation>125% (&amp;3)</translation>
    </message>
    <message>
        <source>100% (&amp;4)</source>
        <translation>100% (&amp;4)</translation>
    </message>
    <message>
        <source>75% (&amp;5)</source>
        <translation>75% (&amp;5)</translation>
    </message>
    <message>
        <source>50% (&amp;6)</source>
        <translation>50% (&amp;6)</translation>
    </message>
    <message>
        <source>&amp;Custom...</source>
        <translation>自訂(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Num of bars per line</source>
        <translation>每行小節數(&amp;N)</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>Pre&amp;vious Page	Ctrl+PgUp</source>
        <translation>上一頁(&amp;V)	Ctrl+PgUp</translation>
    </message>
    <message>
        <source>Ne&amp;xt Page	Ctrl+PgDown</source>
        <translation>下一頁(&amp;X)	Ctrl+PgDown</translation>
    </message>
    <message>
        <source>&amp;Bar</source>
        <translation>小節(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>清除(&amp;C)</translation>
    </message>
    <message>
        <source>Co&amp;py</source>
        <translation>複製(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Shift Notes Up/Down</source>
        <translation>音符上下移動(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Track</source>
        <translation>音軌(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Treble</source>
        <translation>高音譜(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Bass</source>
        <translation>低音譜(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Percussion</source>
        <translation>打擊樂(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Accompaniment</source>
        <translation>伴奏(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Organize</source>
        <translation>排列順序(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Lyrics</source>
        <translation>歌詞(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>音樂(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Transpose</source>
        <translation>移調(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Table of &amp;Contents</source>
        <translation>目錄(&amp;C)</translation>
    </message>
    <message>
        <source>Online &amp;Support</source>
        <translation>線上支援(&amp;S)</translation>
    </message>
    <message>
        <source>Report &amp;Bugs</source>
        <translation>回報問題(&amp;B)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
</context>
<context>
    <name>NavigationPanel</name>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>縮放</translation>
    </message>
</context>
<context>
    <name>NewSongWizardForm</name>
    <message>
        <source>Treble</source>
        <translation>高音譜</translation>
    </message>
    <message>
        <source>Treble + Accompaniment</source>
        <translation>高音譜 + 伴奏</translation>
    </message>
    <message>
        <source>Treble + Bass</source>
        <translation>高音譜 + 低音譜</translation>
    </message>
    <message>
        <source>Treble + Accompaniment + Percussion</source>
        <translation>高音譜 + 伴奏 + 打擊樂</translation>
    </message>
    <message>
        <source>Treble + Bass + Percussion</source>
        <translation>高音譜 + 低音譜 + 打擊樂</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>廣板</translation>
    </message>
    <message>
        <source>Larghetto</source>
        <translation>小廣板</translation>
    </message>
    <message>
        <source>Andagio</source>
        <translation>慢板</translation>
    </message>
    <message>
        <source>Andante</source>
        <translation>行板</translation>
    </message>
    <message>
        <source>Moderato</source>
        <translation>中板</translation>
    </message>
    <message>
        <source>Allegro</source>
        <translation>快板</translation>
    </message>
    <message>
        <source>Presto</source>
        <translation>急板</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自訂</translation>
    </message>
</context>
<context>
    <name>NoteCommands</name>
    <message>
        <source>Cannot add tie</source>
        <translation>無法加上連結線</translation>
    </message>
    <message>
        <source>Cannot erase tie. Make sure
1. It is a tied note
2. It is not the last note of the tied notes.</source>
        <translation>無法擦除連結線。請確定
1. 這是有連結線的音符
2. 這不是連結音符中的最後一個。</translation>
    </message>
    <message>
        <source>No accidental changes</source>
        <translation>臨時記號沒有改變</translation>
    </message>
    <message>
        <source>Cannot add dynamic markings to rests</source>
        <translation>休止符無法加上力度記號</translation>
    </message>
</context>
<context>
    <name>OptionsMenu</name>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>語言(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;MIDI Setup...</source>
        <translation>MIDI 設定(&amp;M)...</translation>
    </message>
</context>
<context>
    <name>OrganizeTracksDialog</name>
    <message>
        <source>Organize Tracks</source>
        <translation>排列音軌順序</translation>
    </message>
    <message>
        <source>&amp;Tracks:</source>
        <translation>音軌(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>上移(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>下移(&amp;D)</translation>
    </message>
</context>
<context>
    <name>PlayCommands</name>
    <message>
        <source>&amp;Play/Pause	Space</source>
        <translation>播放/暫停(&amp;P)	Space</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>停止(&amp;S)</translation>
    </message>
</context>
<context>
    <name>PlayMenu</name>
    <message>
        <source>&amp;Play</source>
        <translation>播放(&amp;P)</translation>
    </message>
</context>
<context>
    <name>PopupMenu</name>
    <message>
        <source>&amp;Erase this note</source>
        <translation>擦除這個音符(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Tie to next note</source>
        <translation>連結到下一個音符(&amp;T)</translation>
    </message>
    <message>
        <source>E&amp;rase tie from this note</source>
        <translation>擦除這個音符的連結線(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Normal</source>
        <translation>不加記號(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Sharp</source>
        <translation>升記號(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Flat</source>
        <translation>降記號(&amp;F)</translation>
    </message>
    <message>
        <source>N&amp;atural</source>
        <translation>還原記號(&amp;A)</translation>
    </message>
    <message>
        <source>Double Sharp (&amp;x)</source>
        <translation>重升記號 (&amp;x)</translation>
    </message>
    <message>
        <source>Double Flat (&amp;bb)</source>
        <translation>重降記號 (&amp;bb)</translation>
    </message>
    <message>
        <source>&amp;Dynamics</source>
        <translation>力度記號(&amp;D)</translation>
    </message>
    <message>
        <source>fff	(&amp;1)</source>
        <translation>fff	(&amp;1)</translation>
    </message>
    <message>
        <source>ff	(&amp;2)</source>
        <translation>ff	(&amp;2)</translation>
    </message>
    <message>
        <source>f	(&amp;3)</source>
        <translation>f	(&amp;3)</translation>
    </message>
    <message>
        <source>mf	(&amp;4)</source>
        <translation>mf	(&amp;4)</translation>
    </message>
    <message>
        <source>mp	(&amp;5)</source>
        <translation>mp	(&amp;5)</translation>
    </message>
    <message>
        <source>p	(&amp;6)</source>
        <translation>p	(&amp;6)</translation>
    </message>
    <message>
        <source>pp	(&amp;7)</source>
        <translation>pp	(&amp;7)</translation>
    </message>
    <message>
        <source>ppp	(&amp;8)</source>
        <translation>ppp	(&amp;8)</translation>
    </message>
    <message>
        <source>sf	(&amp;s)</source>
        <translation>sf	(&amp;s)</translation>
    </message>
    <message>
        <source>accent	(&amp;a)</source>
        <translation>重音	(&amp;a)</translation>
    </message>
    <message>
        <source>&amp;Clear Dynamic Markings</source>
        <translation>清除力度記號(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Insert bars in front of ...</source>
        <translation>在前面插入小節(&amp;I)...</translation>
    </message>
    <message>
        <source>Insert bars &amp;after ...</source>
        <translation>在後面插入小節(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Clea&amp;r</source>
        <translation>清除(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>插入文字</translation>
    </message>
</context>
<context>
    <name>PreparingToPlayDlg</name>
    <message>
        <source>Preparing to play music ...</source>
        <translation>正在準備播放音樂 ...</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>確定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>儲存(&amp;S)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>不要儲存</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪下(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼上(&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loading the notation font...</source>
        <translation>正在載入樂譜字型...</translation>
    </message>
    <message>
        <source>Loading the instruments...</source>
        <translation>正在載入樂器...</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>是(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>否(&amp;N)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>不要儲存</translation>
    </message>
</context>
<context>
    <name>ScorePainter</name>
    <message>
        <source>Page %d of %d</source>
        <translation>第 %d 頁，共 %d 頁</translation>
    </message>
</context>
<context>
    <name>ScoreToolBar</name>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
</context>
<context>
    <name>ShiftNotesDialog</name>
    <message>
        <source>Shift Notes</source>
        <translation>移動音符</translation>
    </message>
    <message>
        <source>&amp;Track:</source>
        <translation>音軌(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;From bar:</source>
        <translation>從小節(&amp;F)：</translation>
    </message>
    <message>
        <source>T&amp;o bar:</source>
        <translation>到小節(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Steps:</source>
        <translation>級數(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Upward</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Downward</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>Warning : After shifting, some notes may fall outside the editable range (too high / too low).</source>
        <translation>警告：移動後，部分音符可能會超出可編輯的範圍（太高／太低）。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Quillsong
Untitled
Quillsong
Quillsong (*.qs)
.qs
Quillsong.Document
Quillsong Music</source>
        <translation>Quillsong
未命名
Quillsong
Quillsong 樂曲檔 (*.qs)
.qs
Quillsong.Document
Quillsong 樂曲</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>錯誤</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Write file error</source>
        <translation>寫入檔案錯誤</translation>
    </message>
    <message>
        <source>Play error occurred</source>
        <translation>播放時發生錯誤</translation>
    </message>
    <message>
        <source>Only ONE accompaniment track can be created</source>
        <translation>只能建立「一個」伴奏音軌</translation>
    </message>
    <message>
        <source>The maximum number of pitched tracks (treble + bass) is 9</source>
        <translation>有音高的音軌（高音譜 + 低音譜）最多為 9 個</translation>
    </message>
    <message>
        <source>The tempo must be within 20 and 208</source>
        <translation>速度必須介於 20 與 208 之間</translation>
    </message>
    <message>
        <source>No accompaniment style available</source>
        <translation>沒有可用的伴奏風格</translation>
    </message>
    <message>
        <source>Failed reading accompaniment file</source>
        <translation>讀取伴奏檔案失敗</translation>
    </message>
    <message>
        <source>No MIDI output device found!
You will not be able to hear any playback sound.
Make sure you have a MIDI output device and has its driver installed.
Then, restart Quillsong.</source>
        <translation>找不到 MIDI 輸出裝置！
您將無法聽到任何播放的聲音。
請確定您有 MIDI 輸出裝置，並已安裝它的驅動程式。
然後重新啟動 Quillsong。</translation>
    </message>
    <message>
        <source>Cannot save a music without any tracks</source>
        <translation>無法儲存沒有任何音軌的樂曲</translation>
    </message>
    <message>
        <source>The maximum number of non accompaniment tracks (treble + bass + percussion) is 16</source>
        <translation>伴奏以外的音軌（高音譜 + 低音譜 + 打擊樂）最多為 16 個</translation>
    </message>
    <message>
        <source>The file format is new. The program may not be able to support it.
Please contact Fernwick to get a newer version of Quillsong.

You can try to open this file but it may not be opened correctly.
Do you want to continue opening it?</source>
        <translation>這個檔案的格式較新，本程式可能無法支援。
請與 Fernwick 聯絡，以取得較新版本的 Quillsong。

您可以嘗試開啟這個檔案，但它可能無法正確開啟。
您要繼續開啟嗎？</translation>
    </message>
    <message>
        <source>Read file error</source>
        <translation>讀取檔案錯誤</translation>
    </message>
    <message>
        <source>File format is new and user aborted</source>
        <translation>檔案格式較新，使用者已取消開啟</translation>
    </message>
    <message>
        <source>File do not exists</source>
        <translation>檔案不存在</translation>
    </message>
    <message>
        <source>[1]Acoustic Grand Piano</source>
        <translation>[1]大鋼琴</translation>
    </message>
    <message>
        <source>[2]Bright Acoustic Piano</source>
        <translation>[2]明亮鋼琴</translation>
    </message>
    <message>
        <source>[3]Electric Grand Piano</source>
        <translation>[3]電子大鋼琴</translation>
    </message>
    <message>
        <source>[4]Honky-tonk Piano</source>
        <translation>[4]酒吧鋼琴</translation>
    </message>
    <message>
        <source>[5]Electric Piano 1</source>
        <translation>[5]電鋼琴 1</translation>
    </message>
    <message>
        <source>[6]Electric Piano 2</source>
        <translation>[6]電鋼琴 2</translation>
    </message>
    <message>
        <source>[7]Harpsichord</source>
        <translation>[7]大鍵琴</translation>
    </message>
    <message>
        <source>[8]Clavi</source>
        <translation>[8]古鋼琴</translation>
    </message>
    <message>
        <source>[9]Celesta</source>
        <translation>[9]鋼片琴</translation>
    </message>
    <message>
        <source>[10]Glockenspiel</source>
        <translation>[10]鐘琴</translation>
    </message>
    <message>
        <source>[11]Music Box</source>
        <translation>[11]音樂盒</translation>
    </message>
    <message>
        <source>[12]Vibraphone</source>
        <translation>[12]顫音琴</translation>
    </message>
    <message>
        <source>[13]Marimba</source>
        <translation>[13]馬林巴木琴</translation>
    </message>
    <message>
        <source>[14]Xylophone</source>
        <translation>[14]木琴</translation>
    </message>
    <message>
        <source>[15]Tubular Bells</source>
        <translation>[15]管鐘</translation>
    </message>
    <message>
        <source>[16]Dulcimer</source>
        <translation>[16]揚琴</translation>
    </message>
    <message>
        <source>[17]Drawbar Organ</source>
        <translation>[17]拉桿風琴</translation>
    </message>
    <message>
        <source>[18]Percussive Organ</source>
        <translation>[18]敲擊風琴</translation>
    </message>
    <message>
        <source>[19]Rock Organ</source>
        <translation>[19]搖滾風琴</translation>
    </message>
    <message>
        <source>[20]Church Organ</source>
        <translation>[20]教堂管風琴</translation>
    </message>
    <message>
        <source>[21]Reed Organ</source>
        <translation>[21]簧風琴</translation>
    </message>
    <message>
        <source>[22]Accordion</source>
        <translation>[22]手風琴</translation>
    </message>
    <message>
        <source>[23]Harmonica</source>
        <translation>[23]口琴</translation>
    </message>
    <message>
        <source>[24]Tango Accordion</source>
        <translation>[24]探戈手風琴</translation>
    </message>
    <message>
        <source>[25]Acoustic Guitar (nylon)</source>
        <translation>[25]木吉他（尼龍弦）</translation>
    </message>
    <message>
        <source>[26]Acoustic Guitar (steel)</source>
        <translation>[26]木吉他（鋼弦）</translation>
    </message>
    <message>
        <source>[27]Electric Guitar (jazz)</source>
        <translation>[27]電吉他（爵士）</translation>
    </message>
    <message>
        <source>[28]Electric Guitar (clean)</source>
        <translation>[28]電吉他（清音）</translation>
    </message>
    <message>
        <source>[29]Electric Guitar (muted)</source>
        <translation>[29]電吉他（悶音）</translation>
    </message>
    <message>
        <source>[30]Overdriven Guitar</source>
        <translation>[30]過載吉他</translation>
    </message>
    <message>
        <source>[31]Distortion Guitar</source>
        <translation>[31]失真吉他</translation>
    </message>
    <message>
        <source>[32]Guitar harmonics</source>
        <translation>[32]吉他泛音</translation>
    </message>
    <message>
        <source>[33]Acoustic Bass</source>
        <translation>[33]原聲貝斯</translation>
    </message>
    <message>
        <source>[34]Electric Bass (finger)</source>
        <translation>[34]電貝斯（指彈）</translation>
    </message>
    <message>
        <source>[35]Electric Bass (pick)</source>
        <translation>[35]電貝斯（撥片）</translation>
    </message>
    <message>
        <source>[36]Fretless Bass</source>
        <translation>[36]無琴格貝斯</translation>
    </message>
    <message>
        <source>[37]Slap Bass 1</source>
        <translation>[37]拍弦貝斯 1</translation>
    </message>
    <message>
        <source>[38]Slap Bass 2</source>
        <translation>[38]拍弦貝斯 2</translation>
    </message>
    <message>
        <source>[39]Synth Bass 1</source>
        <translation>[39]合成貝斯 1</translation>
    </message>
    <message>
        <source>[40]Synth Bass 2</source>
        <translation>[40]合成貝斯 2</translation>
    </message>
    <message>
        <source>[41]Violin</source>
        <translation>[41]小提琴</translation>
    </message>
    <message>
        <source>[42]Viola</source>
        <translation>[42]中提琴</translation>
    </message>
    <message>
        <source>[43]Cello</source>
        <translation>[43]大提琴</translation>
    </message>
    <message>
        <source>[44]Contrabass</source>
        <translation>[44]低音提琴</translation>
    </message>
    <message>
        <source>[45]Tremolo Strings</source>
        <translation>[45]顫音弦樂</translation>
    </message>
    <message>
        <source>[46]Pizzicato Strings</source>
        <translation>[46]撥奏弦樂</translation>
    </message>
    <message>
        <source>[47]Orchestral Harp</source>
        <translation>[47]豎琴</translation>
    </message>
    <message>
        <source>[48]Timpani</source>
        <translation>[48]定音鼓</translation>
    </message>
    <message>
        <source>[49]String Ensemble 1</source>
        <translation>[49]弦樂合奏 1</translation>
    </message>
    <message>
        <source>[50]String Ensemble 2</source>
        <translation>[50]弦樂合奏 2</translation>
    </message>
    <message>
        <source>[51]SynthStrings 1</source>
        <translation>[51]合成弦樂 1</translation>
    </message>
    <message>
        <source>[52]SynthStrings 2</source>
        <translation>[52]合成弦樂 2</translation>
    </message>
    <message>
        <source>[53]Choir Aahs</source>
        <translation>[53]合唱「啊」</translation>
    </message>
    <message>
        <source>[54]Voice Oohs</source>
        <translation>[54]人聲「喔」</translation>
    </message>
    <message>
        <source>[55]Synth Voice</source>
        <translation>[55]合成人聲</translation>
    </message>
    <message>
        <source>[56]Orchestra Hit</source>
        <translation>[56]管弦樂齊奏重音</translation>
    </message>
    <message>
        <source>[57]Trumpet</source>
        <translation>[57]小號</translation>
    </message>
    <message>
        <source>[58]Trombone</source>
        <translation>[58]長號</translation>
    </message>
    <message>
        <source>[59]Tuba</source>
        <translation>[59]低音號</translation>
    </message>
    <message>
        <source>[60]Muted Trumpet</source>
        <translation>[60]弱音小號</translation>
    </message>
    <message>
        <source>[61]French Horn</source>
        <translation>[61]法國號</translation>
    </message>
    <message>
        <source>[62]Brass Section</source>
        <translation>[62]銅管組</translation>
    </message>
    <message>
        <source>[63]SynthBrass 1</source>
        <translation>[63]合成銅管 1</translation>
    </message>
    <message>
        <source>[64]SynthBrass 2</source>
        <translation>[64]合成銅管 2</translation>
    </message>
    <message>
        <source>[65]Soprano Sax</source>
        <translation>[65]高音薩克斯風</translation>
    </message>
    <message>
        <source>[66]Alto Sax</source>
        <translation>[66]中音薩克斯風</translation>
    </message>
    <message>
        <source>[67]Tenor Sax</source>
        <translation>[67]次中音薩克斯風</translation>
    </message>
    <message>
        <source>[68]Baritone Sax</source>
        <translation>[68]上低音薩克斯風</translation>
    </message>
    <message>
        <source>[69]Oboe</source>
        <translation>[69]雙簧管</translation>
    </message>
    <message>
        <source>[70]English Horn</source>
        <translation>[70]英國管</translation>
    </message>
    <message>
        <source>[71]Bassoon</source>
        <translation>[71]低音管</translation>
    </message>
    <message>
        <source>[72]Clarinet</source>
        <translation>[72]單簧管</translation>
    </message>
    <message>
        <source>[73]Piccolo</source>
        <translation>[73]短笛</translation>
    </message>
    <message>
        <source>[74]Flute</source>
        <translation>[74]長笛</translation>
    </message>
    <message>
        <source>[75]Recorder</source>
        <translation>[75]直笛</translation>
    </message>
    <message>
        <source>[76]Pan Flute</source>
        <translation>[76]排笛</translation>
    </message>
    <message>
        <source>[77]Blown Bottle</source>
        <translation>[77]吹瓶聲</translation>
    </message>
    <message>
        <source>[78]Shakuhachi</source>
        <translation>[78]尺八</translation>
    </message>
    <message>
        <source>[79]Whistle</source>
        <translation>[79]口哨</translation>
    </message>
    <message>
        <source>[80]Ocarina</source>
        <translation>[80]陶笛</translation>
    </message>
    <message>
        <source>[81]Lead 1 (square)</source>
        <translation>[81]主奏 1（方波）</translation>
    </message>
    <message>
        <source>[82]Lead 2 (sawtooth)</source>
        <translation>[82]主奏 2（鋸齒波）</translation>
    </message>
    <message>
        <source>[83]Lead 3 (calliope)</source>
        <translation>[83]主奏 3（汽笛風琴）</translation>
    </message>
    <message>
        <source>[84]Lead 4 (chiff)</source>
        <translation>[84]主奏 4（吹管）</translation>
    </message>
    <message>
        <source>[85]Lead 5 (charang)</source>
        <translation>[85]主奏 5（撥弦）</translation>
    </message>
    <message>
        <source>[86]Lead 6 (voice)</source>
        <translation>[86]主奏 6（人聲）</translation>
    </message>
    <message>
        <source>[87]Lead 7 (fifths)</source>
        <translation>[87]主奏 7（五度）</translation>
    </message>
    <message>
        <source>[88]Lead 8 (bass + lead)</source>
        <translation>[88]主奏 8（貝斯加主奏）</translation>
    </message>
    <message>
        <source>[89]Pad 1 (new age)</source>
        <translation>[89]襯底 1（新世紀）</translation>
    </message>
    <message>
        <source>[90]Pad 2 (warm)</source>
        <translation>[90]襯底 2（溫暖）</translation>
    </message>
    <message>
        <source>[91]Pad 3 (polysynth)</source>
        <translation>[91]襯底 3（複音合成）</translation>
    </message>
    <message>
        <source>[92]Pad 4 (choir)</source>
        <translation>[92]襯底 4（合唱）</translation>
    </message>
    <message>
        <source>[93]Pad 5 (bowed)</source>
        <translation>[93]襯底 5（弓弦）</translation>
    </message>
    <message>
        <source>[94]Pad 6 (metallic)</source>
        <translation>[94]襯底 6（金屬）</translation>
    </message>
    <message>
        <source>[95]Pad 7 (halo)</source>
        <translation>[95]襯底 7（光環）</translation>
    </message>
    <message>
        <source>[96]Pad 8 (sweep)</source>
        <translation>[96]襯底 8（掃掠）</translation>
    </message>
    <message>
        <source>[97]FX 1 (rain)</source>
        <translation>[97]效果 1（雨聲）</translation>
    </message>
    <message>
        <source>[98]FX 2 (soundtrack)</source>
        <translation>[98]效果 2（電影配樂）</translation>
    </message>
    <message>
        <source>[99]FX 3 (crystal)</source>
        <translation>[99]效果 3（水晶）</translation>
    </message>
    <message>
        <source>[100]FX 4 (atmosphere)</source>
        <translation>[100]效果 4（氣氛）</translation>
    </message>
    <message>
        <source>[101]FX 5 (brightness)</source>
        <translation>[101]效果 5（明亮）</translation>
    </message>
    <message>
        <source>[102]FX 6 (goblins)</source>
        <translation>[102]效果 6（鬼怪）</translation>
    </message>
    <message>
        <source>[103]FX 7 (echoes)</source>
        <translation>[103]效果 7（回聲）</translation>
    </message>
    <message>
        <source>[104]FX 8 (sci-fi)</source>
        <translation>[104]效果 8（科幻）</translation>
    </message>
    <message>
        <source>[105]Sitar</source>
        <translation>[105]西塔琴</translation>
    </message>
    <message>
        <source>[106]Banjo</source>
        <translation>[106]班鳩琴</translation>
    </message>
    <message>
        <source>[107]Shamisen</source>
        <translation>[107]三味線</translation>
    </message>
    <message>
        <source>[108]Koto</source>
        <translation>[108]日本箏</translation>
    </message>
    <message>
        <source>[109]Kalimba</source>
        <translation>[109]卡林巴琴</translation>
    </message>
    <message>
        <source>[110]Bag pipe</source>
        <translation>[110]風笛</translation>
    </message>
    <message>
        <source>[111]Fiddle</source>
        <translation>[111]民謠小提琴</translation>
    </message>
    <message>
        <source>[112]Shanai</source>
        <translation>[112]嗩吶</translation>
    </message>
    <message>
        <source>[113]Tinkle Bell</source>
        <translation>[113]叮噹鈴</translation>
    </message>
    <message>
        <source>[114]Agogo</source>
        <translation>[114]阿哥哥鈴</translation>
    </message>
    <message>
        <source>[115]Steel Drums</source>
        <translation>[115]鋼鼓</translation>
    </message>
    <message>
        <source>[116]Woodblock</source>
        <translation>[116]木魚</translation>
    </message>
    <message>
        <source>[117]Taiko Drum</source>
        <translation>[117]太鼓</translation>
    </message>
    <message>
        <source>[118]Melodic Tom</source>
        <translation>[118]旋律通鼓</translation>
    </message>
    <message>
        <source>[119]Synth Drum</source>
        <translation>[119]合成鼓</translation>
    </message>
    <message>
        <source>[120]Reverse Cymbal</source>
        <translation>[120]反向鈸</translation>
    </message>
    <message>
        <source>[121]Guitar Fret Noise</source>
        <translation>[121]吉他擦弦聲</translation>
    </message>
    <message>
        <source>[122]Breath Noise</source>
        <translation>[122]呼吸聲</translation>
    </message>
    <message>
        <source>[123]Seashore</source>
        <translation>[123]海浪聲</translation>
    </message>
    <message>
        <source>[124]Bird Tweet</source>
        <translation>[124]鳥鳴</translation>
    </message>
    <message>
        <source>[125]Telephone Ring</source>
        <translation>[125]電話鈴聲</translation>
    </message>
    <message>
        <source>[126]Helicopter</source>
        <translation>[126]直升機</translation>
    </message>
    <message>
        <source>[127]Applause</source>
        <translation>[127]鼓掌聲</translation>
    </message>
    <message>
        <source>[128]Gunshot</source>
        <translation>[128]槍聲</translation>
    </message>
    <message>
        <source>[1]Acoustic Bass Drum</source>
        <translation>[1]原聲大鼓</translation>
    </message>
    <message>
        <source>[2]Bass Drum 1</source>
        <translation>[2]大鼓 1</translation>
    </message>
    <message>
        <source>[3]Side Stick</source>
        <translation>[3]鼓邊敲擊</translation>
    </message>
    <message>
        <source>[4]Acoustic Snare</source>
        <translation>[4]原聲小鼓</translation>
    </message>
    <message>
        <source>[5]Hand Clap</source>
        <translation>[5]拍手</translation>
    </message>
    <message>
        <source>[6]Electric Snare</source>
        <translation>[6]電子小鼓</translation>
    </message>
    <message>
        <source>[7]Low Floor Tom</source>
        <translation>[7]低音落地通鼓</translation>
    </message>
    <message>
        <source>[8]Closed Hi-Hat</source>
        <translation>[8]閉合腳踏鈸</translation>
    </message>
    <message>
        <source>[9]High Floor Tom</source>
        <translation>[9]高音落地通鼓</translation>
    </message>
    <message>
        <source>[10]Pedal Hi-Hat</source>
        <translation>[10]踩踏腳踏鈸</translation>
    </message>
    <message>
        <source>[11]Low Tom</source>
        <translation>[11]低音通鼓</translation>
    </message>
    <message>
        <source>[12]Open Hi-Hat</source>
        <translation>[12]開放腳踏鈸</translation>
    </message>
    <message>
        <source>[13]Low-Mid Tom</source>
        <translation>[13]中低音通鼓</translation>
    </message>
    <message>
        <source>[14]Hi-Mid Tom</source>
        <translation>[14]中高音通鼓</translation>
    </message>
    <message>
        <source>[15]Crash Cymbal 1</source>
        <translation>[15]碎音鈸 1</translation>
    </message>
    <message>
        <source>[16]High Tom</source>
        <translation>[16]高音通鼓</translation>
    </message>
    <message>
        <source>[17]Ride Cymbal 1</source>
        <translation>[17]節奏鈸 1</translation>
    </message>
    <message>
        <source>[18]Chinese Cymbal</source>
        <translation>[18]中國鈸</translation>
    </message>
    <message>
        <source>[19]Ride Bell</source>
        <translation>[19]節奏鈸鈴心</translation>
    </message>
    <message>
        <source>[20]Tambourine</source>
        <translation>[20]鈴鼓</translation>
    </message>
    <message>
        <source>[21]Splash Cymbal</source>
        <translation>[21]水鈸</translation>
    </message>
    <message>
        <source>[22]Cowbell</source>
        <translation>[22]牛鈴</translation>
    </message>
    <message>
        <source>[23]Crash Cymbal 2</source>
        <translation>[23]碎音鈸 2</translation>
    </message>
    <message>
        <source>[24]Vibraslap</source>
        <translation>[24]顫音器</translation>
    </message>
    <message>
        <source>[25]Ride Cymbal 2</source>
        <translation>[25]節奏鈸 2</translation>
    </message>
    <message>
        <source>[26]Hi Bongo</source>
        <translation>[26]高音邦哥鼓</translation>
    </message>
    <message>
        <source>[27]Low Bongo</source>
        <translation>[27]低音邦哥鼓</translation>
    </message>
    <message>
        <source>[28]Mute Hi Conga</source>
        <translation>[28]悶音高音康加鼓</translation>
    </message>
    <message>
        <source>[29]Open Hi Conga</source>
        <translation>[29]開放高音康加鼓</translation>
    </message>
    <message>
        <source>[30]Low Conga</source>
        <translation>[30]低音康加鼓</translation>
    </message>
    <message>
        <source>[31]High Timbale</source>
        <translation>[31]高音天巴鼓</translation>
    </message>
    <message>
        <source>[32]Low Timbale</source>
        <translation>[32]低音天巴鼓</translation>
    </message>
    <message>
        <source>[33]High Agogo</source>
        <translation>[33]高音阿哥哥鈴</translation>
    </message>
    <message>
        <source>[34]Low Agogo</source>
        <translation>[34]低音阿哥哥鈴</translation>
    </message>
    <message>
        <source>[35]Cabasa</source>
        <translation>[35]卡巴薩</translation>
    </message>
    <message>
        <source>[36]Maracas</source>
        <translation>[36]沙鈴</translation>
    </message>
    <message>
        <source>[37]Short Whistle</source>
        <translation>[37]短哨</translation>
    </message>
    <message>
        <source>[38]Long Whistle</source>
        <translation>[38]長哨</translation>
    </message>
    <message>
        <source>[39]Short Guiro</source>
        <translation>[39]短刮瓜</translation>
    </message>
    <message>
        <source>[40]Long Guiro</source>
        <translation>[40]長刮瓜</translation>
    </message>
    <message>
        <source>[41]Claves</source>
        <translation>[41]響棒</translation>
    </message>
    <message>
        <source>[42]Hi Wood Block</source>
        <translation>[42]高音木魚</translation>
    </message>
    <message>
        <source>[43]Low Wood Block</source>
        <translation>[43]低音木魚</translation>
    </message>
    <message>
        <source>[44]Mute Cuica</source>
        <translation>[44]悶音庫伊卡鼓</translation>
    </message>
    <message>
        <source>[45]Open Cuica</source>
        <translation>[45]開放庫伊卡鼓</translation>
    </message>
    <message>
        <source>[46]Mute Triangle</source>
        <translation>[46]悶音三角鐵</translation>
    </message>
    <message>
        <source>[47]Open Triangle</source>
        <translation>[47]開放三角鐵</translation>
    </message>
</context>
<context>
    <name>TimeControlPanel</name>
    <message>
        <source>Rewind</source>
        <translation>回到開頭</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Metronome</source>
        <translation>節拍器</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>目前</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
</context>
<context>
    <name>TrackCommands</name>
    <message>
        <source>Accompaniment track already exists</source>
        <translation>伴奏音軌已經存在</translation>
    </message>
    <message>
        <source>Maximum number of tracks reached.

You can have
(1) at most 9 (treble + bass) tracks.
(2) at most 16 (treble + bass + percussion) tracks.</source>
        <translation>已達音軌數的上限。

您最多可以有
(1) 9 個（高音譜 + 低音譜）音軌。
(2) 16 個（高音譜 + 低音譜 + 打擊樂）音軌。</translation>
    </message>
</context>
<context>
    <name>TransposeDialog</name>
    <message>
        <source>Transpose the music</source>
        <translation>移調</translation>
    </message>
    <message>
        <source>&amp;New Key</source>
        <translation>新調號(&amp;N)</translation>
    </message>
    <message>
        <source>Number of &amp;Semitones</source>
        <translation>半音數(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>大調(&amp;M)</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>小調(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Direction:</source>
        <translation>方向(&amp;D)：</translation>
    </message>
    <message>
        <source>Upward</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Downward</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Warning : After transposition, some notes may fall outside the editable range (too high / too low).</source>
        <translation>警告：移調後，部分音符可能會超出可編輯的範圍（太高／太低）。</translation>
    </message>
</context>
</TS>
