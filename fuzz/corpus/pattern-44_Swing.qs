<?xml version="1.0" encoding="UTF-8"?>
<LarkSong name="Swing" author="Quillsong" keySignature="0" timeSignature="4|4" tempo="140" numOfTracksCreated="7" numOfBars="15" numOfBarsPerLine="2" progVersion="1" arcVersion="1" ppqn="24">
  <Track trackNum="0" trackType="1" muted="0" lyric="0" instr="32" vol="85" title="Bass">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="D" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="D" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="3" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="2" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="2" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="F" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="A" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="B" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="48" pitch="F" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="A" octave="3" timeValue="8" sharpFlat="1" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="B" octave="3" timeValue="8" sharpFlat="1" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="D" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="B" octave="3" timeValue="24" sharpFlat="1" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="48" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="2" timeValue="48" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="F" octave="3" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="A" octave="3" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="B" octave="3" timeValue="8" sharpFlat="1" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="3" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="1" trackType="0" muted="0" lyric="0" instr="0" vol="60" title="Piano">
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="1" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="B" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="B" octave="4" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="24" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="B" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="B" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="24" sharpFlat="1" dotted="0"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="B" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="B" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="B" octave="4" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="E" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="G" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="G" octave="4" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="B" octave="4" timeValue="72" sharpFlat="1" dotted="1"/>
      <BarElem noteNum="0" pitch="E" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="0" pitch="G" octave="5" timeValue="72" sharpFlat="3" dotted="1"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="2" trackType="2" muted="0" lyric="0" instr="16" vol="55" title="Ride">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="8" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="16" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="3" trackType="2" muted="0" lyric="0" instr="9" vol="45" title="Pedal Hi-Hat">
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
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
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
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="4" trackType="2" muted="0" lyric="0" instr="1" vol="45" title="Kick">
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="5" trackType="2" muted="0" lyric="0" instr="3" vol="50" title="Snare">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="32" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="40" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="S" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="56" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="64" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="72" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1" tripletLen="24"/>
      <BarElem noteNum="80" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
      <BarElem noteNum="88" pitch="C" octave="5" timeValue="8" sharpFlat="3" dotted="0" isTriplet="1"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
  <Track trackNum="6" trackType="2" muted="0" lyric="0" instr="14" vol="55" title="Crash">
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="S" octave="1" timeValue="96" sharpFlat="3" dotted="0"/>
    </Bar>
    <Bar>
      <BarElem noteNum="0" pitch="C" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="24" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="48" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
      <BarElem noteNum="72" pitch="S" octave="5" timeValue="24" sharpFlat="3" dotted="0"/>
    </Bar>
  </Track>
</LarkSong>
