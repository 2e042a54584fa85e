<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="6/8 slow rock" author="Quillsong" keySignature="0" timeSignature="6|8" tempo="60" numOfTracksCreated="9" numOfBars="15" numOfBarsPerLine="2" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="1" muted="0" lyric="0" instr="33" vol="80" title="Bass">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="2" timeValue="36" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="2" timeValue="36" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="3" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="3" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="2" timeValue="36" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="G" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="3" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="B" octave="3" timeValue="12" sharpFlat="1" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
  </Track>
  <Track trackNum="1" trackType="0" muted="0" lyric="0" instr="0" vol="60" title="Piano">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="36" sharpFlat="1" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="B" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="B" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="G" octave="4" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="12" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="36" pitch="G" octave="4" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="B" octave="4" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
    </Bar>
  </Track>
  <Track trackNum="2" trackType="0" muted="0" lyric="0" instr="48" vol="45" title="Strings">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
    </Bar>
  </Track>
  <Track trackNum="3" trackType="2" muted="0" lyric="0" instr="1" vol="60" title="Kick">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="4" trackType="2" muted="0" lyric="0" instr="3" vol="55" title="Snare">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="42" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="54" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="42" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="54" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="42" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="54" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="5" trackType="2" muted="0" lyric="0" instr="7" vol="45" title="Closed Hi-Hat">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="6" trackType="2" muted="0" lyric="0" instr="16" vol="45" title="Ride">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
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
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="12" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
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
  <Track trackNum="7" trackType="2" muted="0" lyric="0" instr="10" vol="55" title="Low Tom">
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
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
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
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="66" pitch="C" octave="5" timeValue="6" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="8" trackType="2" muted="0" lyric="0" instr="14" vol="55" title="Crash">
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
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
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
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="72" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="36" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="S" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
</LarkSong>
