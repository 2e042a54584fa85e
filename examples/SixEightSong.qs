<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Row, Row, Row Your Boat" author="Traditional" keySignature="0" timeSignature="6|8" tempo="72" numOfTracksCreated="1" numOfBars="8" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="0" muted="0" lyric="1" instr="74" vol="85" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="36" sharpFlat="3" dotted="1" lyric="Row," dyn="MP"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="36" sharpFlat="3" dotted="1" lyric="row,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="row"/>
      <BarElem noteNum="24" pitch="D" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="your"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="36" sharpFlat="3" dotted="1" lyric="boat,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="Gent-"/>
      <BarElem noteNum="24" pitch="D" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ly"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="down"/>
      <BarElem noteNum="60" pitch="F" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="the"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1" lyric="stream."/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0" lyric="Mer-"/>
      <BarElem noteNum="12" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0" lyric="ri-"/>
      <BarElem noteNum="24" pitch="C" octave="6" timeValue="12" sharpFlat="3" dotted="0" lyric="ly,"/>
      <BarElem noteNum="36" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="mer-"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ri-"/>
      <BarElem noteNum="60" pitch="G" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ly,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="mer-"/>
      <BarElem noteNum="12" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ri-"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ly,"/>
      <BarElem noteNum="36" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="mer-"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ri-"/>
      <BarElem noteNum="60" pitch="C" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="ly,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="Life"/>
      <BarElem noteNum="24" pitch="F" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="is"/>
      <BarElem noteNum="36" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="but"/>
      <BarElem noteNum="60" pitch="D" octave="5" timeValue="12" sharpFlat="3" dotted="0" lyric="a"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1" lyric="dream."/>
    </Bar>
  </Track>
</LarkSong>
