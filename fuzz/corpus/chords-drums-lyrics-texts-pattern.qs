<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Chords and Drums" author="Quillsong examples" keySignature="0" timeSignature="4|4" tempo="100" numOfTracksCreated="3" numOfBars="8" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="3" muted="0" lyric="0" instr="Pop" vol="80" title="Accompaniment">
    <Bar>
      <BarElem chordNum="0" value="C" subStyle="0"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="Am" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="F" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="G7" subStyle="3"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="C" subStyle="1"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="Am" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="F" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="G7" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="C" subStyle="4"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
      <BarElem chordNum="72" value="" subStyle="5"/>
    </Bar>
  </Track>
  <Track trackNum="1" trackType="0" muted="0" lyric="1" instr="65" vol="90" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="la" dyn="PPP"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="lo-" dyn="PP"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="36" sharpFlat="3" dotted="1" lyric="li" dyn="P"/>
      <BarElem noteNum="84" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ré" dyn="MP"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="mi" dyn="MF"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="fa" dyn="F"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="sol" dyn="FF"/>
      <BarElem noteNum="24" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="ti" dyn="FFF"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0" lyric="do," dyn="SF"/>
      <BarElem noteNum="72" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="…" dyn="ACCENT"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1" lyric="la" dyn="PPP"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric=""/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="lo-" dyn="PP"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="li" dyn="P"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="36" sharpFlat="3" dotted="1" lyric="ré" dyn="MP"/>
      <BarElem noteNum="84" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0" lyric="mi" dyn="MF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="6" timeValue="24" sharpFlat="3" dotted="0" lyric="fa" dyn="F"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0" lyric="sol" dyn="FF"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="ti" dyn="FFF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="do," dyn="SF"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0" lyric="…" dyn="ACCENT"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="la" dyn="PPP"/>
      <BarElem noteNum="72" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0" lyric="lo-" dyn="PP"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1" lyric="li" dyn="P"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric=""/>
    </Bar>
  </Track>
  <Track trackNum="2" trackType="2" muted="0" lyric="0" instr="19" vol="70" title="Tambourine">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="MP"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="MF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="F"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="FF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="FFF"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="SF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="ACCENT"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="PPP"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="PP"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="P"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="MP"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="MF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="F"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="FF"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="FFF"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <UserText userText="Verse 1" x="250" y="700"/>
  <UserText userText="Refrain &amp; coda" x="2400" y="1500"/>
  <UserText userText="中文 ♪" x="1200" y="90"/>
  <UserText userText="page 64" x="134000" y="2900"/>
  <UserText userText="top-left edge" x="-2100" y="-2970"/>
  <UserText userText="bottom-right edge" x="137510" y="5980"/>
  <UserText userText="xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx" x="300" y="2800"/>
</LarkSong>
