<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Minuet in G" author="Christian Petzold" keySignature="1" timeSignature="3|4" tempo="112" numOfTracksCreated="2" numOfBars="16" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="0" muted="0" lyric="0" instr="0" vol="90" title="Right hand">
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0" dyn="MF"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="F" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0" dyn="P"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="F" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="D" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="B" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="36" pitch="A" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="60" pitch="F" octave="5" timeValue="12" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
  </Track>
  <Track trackNum="1" trackType="1" muted="0" lyric="0" instr="0" vol="75" title="Left hand">
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="D" octave="5" timeValue="48" sharpFlat="3" dotted="0" dyn="MF"/>
      <BarElem noteNum="48" pitch="A" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="E" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="F" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="D" octave="5" timeValue="48" sharpFlat="3" dotted="0" dyn="P"/>
      <BarElem noteNum="48" pitch="A" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="E" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="F" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="A" octave="4" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="D" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
    </Bar>
  </Track>
</LarkSong>
