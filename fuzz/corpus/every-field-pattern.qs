<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Frère Jacques ♪" author="Anon &amp; &lt;co&gt;" keySignature="-3" timeSignature="3|4" tempo="132" numOfTracksCreated="4" numOfBars="4" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="3" muted="0" lyric="0" instr="[N/A]" vol="100" title="Accompaniment">
    <Bar>
      <BarElem chordNum="0" value="Eb" subStyle="2"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="Bb7" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="Cm" subStyle="1"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
    </Bar>
    <Bar>
      <BarElem chordNum="0" value="" subStyle="5"/>
      <BarElem chordNum="24" value="" subStyle="5"/>
      <BarElem chordNum="48" value="" subStyle="5"/>
    </Bar>
  </Track>
  <Track trackNum="1" trackType="0" muted="0" lyric="1" instr="73" vol="100" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="36" sharpFlat="2" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="36" sharpFlat="3" dotted="1" lyric="Dor-" dyn="FFF"/>
      <BarElem noteNum="36" pitch="F" octave="5" timeValue="12" sharpFlat="0" dotted="0" lyric="mez"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" tieMode="1" lyric="mez" dyn="ACCENT"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" tieMode="3" lyric=""/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="8" sharpFlat="5" dotted="0" isTriplet="1" tripletLen="24" lyric=""/>
      <BarElem noteNum="32" pitch="D" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" lyric=""/>
      <BarElem noteNum="40" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" lyric=""/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric=""/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0" lyric=""/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0" lyric=""/>
    </Bar>
  </Track>
  <Track trackNum="2" trackType="1" muted="1" lyric="0" instr="33" vol="55" title="Track 3">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="B" octave="3" timeValue="48" sharpFlat="4" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="3" trackType="2" muted="0" lyric="0" instr="7" vol="100" title="Track 4">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <UserText userText="verse 1" x="250" y="700"/>
  <UserText userText="中文" x="1200" y="90"/>
</LarkSong>
