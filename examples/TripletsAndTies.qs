<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Triplets and Ties" author="Quillsong examples" keySignature="1" timeSignature="4|4" tempo="88" numOfTracksCreated="1" numOfBars="8" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="0" muted="0" lyric="0" instr="71" vol="85" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" dyn="P"/>
      <BarElem noteNum="24" pitch="B" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="D" octave="6" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="84" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="C" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="B" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="D" octave="6" timeValue="48" sharpFlat="3" dotted="0" tieMode="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0" tieMode="3"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="6" timeValue="12" sharpFlat="3" dotted="0" dyn="MF"/>
      <BarElem noteNum="60" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="6" timeValue="12" sharpFlat="0" dotted="0"/>
      <BarElem noteNum="84" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="E" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="84" pitch="F" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="6" timeValue="24" sharpFlat="3" dotted="0" dyn="F"/>
      <BarElem noteNum="24" pitch="A" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="G" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="F" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="E" octave="6" timeValue="36" sharpFlat="3" dotted="1" dyn="ACCENT"/>
      <BarElem noteNum="84" pitch="F" octave="6" timeValue="12" sharpFlat="2" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0" tieMode="1"/>
      <BarElem noteNum="48" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0" tieMode="3"/>
      <BarElem noteNum="60" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24" dyn="P"/>
      <BarElem noteNum="8" pitch="B" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="A" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="84" pitch="F" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
</LarkSong>
