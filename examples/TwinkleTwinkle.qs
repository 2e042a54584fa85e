<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Twinkle, Twinkle, Little Star" author="Traditional" keySignature="0" timeSignature="4|4" tempo="100" numOfTracksCreated="1" numOfBars="8" numOfBarsPerLine="4" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="0" muted="0" lyric="1" instr="10" vol="90" title="Melody">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="Twin-" dyn="MF"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="kle,"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="twin-"/>
      <BarElem noteNum="72" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="kle,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="lit-"/>
      <BarElem noteNum="24" pitch="A" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="tle"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="star,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="How"/>
      <BarElem noteNum="24" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="I"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="won-"/>
      <BarElem noteNum="72" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="der"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="D" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="what"/>
      <BarElem noteNum="24" pitch="D" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="you"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="are!"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="Up"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="a-"/>
      <BarElem noteNum="48" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="bove"/>
      <BarElem noteNum="72" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="the"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="world"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="so"/>
      <BarElem noteNum="48" pitch="D" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="high,"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="Like"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="a"/>
      <BarElem noteNum="48" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="dia-"/>
      <BarElem noteNum="72" pitch="F" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="mond"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="in"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0" lyric="the"/>
      <BarElem noteNum="48" pitch="D" octave="5" timeValue="48" sharpFlat="3" dotted="0" lyric="sky."/>
    </Bar>
  </Track>
</LarkSong>
