<?xml version="1.0" encoding="UTF-8"?>
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
  <Track trackNum="1" trackType="0" muted="0" lyric="0" instr="65" vol="90" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="MF"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="84" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="84" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="2" trackType="2" muted="0" lyric="0" instr="19" vol="70" title="Tambourine">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="ACCENT"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
</LarkSong>
