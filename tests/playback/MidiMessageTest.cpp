#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "playback/midi/CLongMsg.h"
#include "playback/midi/CMIDIOutEventFailure.h"
#include "playback/midi/CMIDIOutException.h"
#include "playback/midi/CMIDIOutMemFailure.h"
#include "playback/midi/CShortMsg.h"

namespace {

using midi::CLongMsg;
using midi::CShortMsg;

TEST(ShortMsg, EveryConstructorPacksStatusThenDataBytesFromTheLowEnd) {
    // Note On, channel 3, key 60, velocity 100.
    const std::uint32_t packed = 0x643C93;
    const CShortMsg fromBytes(0x93, 60, 100, 7);
    const CShortMsg fromCommand(0x90, 3, 60, 100, 7);
    const CShortMsg fromWord(packed, 7);
    for (const CShortMsg* msg : {&fromBytes, &fromCommand, &fromWord}) {
        EXPECT_EQ(msg->Msg(), packed);
        EXPECT_EQ(msg->Status(), 0x93);
        EXPECT_EQ(msg->Command(), 0x90);
        EXPECT_EQ(msg->Channel(), 3);
        EXPECT_EQ(msg->Data1(), 60);
        EXPECT_EQ(msg->Data2(), 100);
        EXPECT_EQ(msg->Timestamp(), 7u);
        EXPECT_EQ(msg->Length(), 3u);
        EXPECT_EQ(std::vector<std::uint8_t>(msg->Data(), msg->Data() + msg->Length()),
                  (std::vector<std::uint8_t>{0x93, 60, 100}))
            << "Data gives the bytes in the order they go on the wire";
    }
    EXPECT_EQ(fromBytes.RunningStatusMsg(), 0x643Cu) << "running status drops the status byte";
    EXPECT_EQ(CShortMsg(0x8000007Fu, 0).Msg(), 0x7Fu) << "the top byte of a word is not part of it";
}

TEST(ShortMsg, ChannelAndCommandCannotSpillIntoEachOther) {
    EXPECT_EQ(CShortMsg(0xC0, 17, 40, 0, 0).Status(), 0xC1) << "channel 17 wraps to 1";
    EXPECT_EQ(CShortMsg(0xC5, 9, 0, 0, 0).Status(), 0xC9) << "low bits of the command are dropped";
    EXPECT_EQ(CShortMsg(0xB0, 15, 7, 127, 0).Msg(), 0x7F07BFu);
}

TEST(ShortMsg, AnEmptyMessageIsFilledLater) {
    CShortMsg msg(5);
    EXPECT_EQ(msg.Msg(), 0u);
    msg.SetMsg(0xE2, 0x00, 0x40);
    EXPECT_EQ(msg.Msg(), 0x4000E2u);
    EXPECT_EQ(msg.Timestamp(), 5u);
}

TEST(ShortMsg, BytesOnWireFollowTheStatusByte) {
    struct Case {
        std::uint8_t status;
        int bytes;
    };
    const Case cases[] = {
        {0x80, 3}, {0x9F, 3}, {0xA0, 3}, {0xB5, 3}, {0xC0, 2}, {0xCF, 2}, {0xD3, 2}, {0xE0, 3},
        {0xF1, 2}, {0xF2, 3}, {0xF3, 2}, {0xF6, 1}, {0xF8, 1}, {0xFA, 1}, {0xFE, 1}, {0xFF, 1},
        {0x00, 0}, {0x7F, 0}, {0xF0, 0}, {0xF7, 0}, {0xF4, 0}, {0xF9, 0}, {0xFD, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CShortMsg::BytesOnWire(c.status), c.bytes) << "status " << int(c.status);
    }
}

TEST(LongMsg, KeepsItsOwnCopyOfTheBytes) {
    std::uint8_t gmOn[] = {0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
    CLongMsg msg(gmOn, sizeof gmOn, 3);
    gmOn[3] = 0x02;
    ASSERT_EQ(msg.Length(), 6u);
    EXPECT_EQ(msg.Data()[3], 0x09);
    EXPECT_EQ(msg.Timestamp(), 3u);
    msg.SetMsg(gmOn, 2);
    EXPECT_EQ(msg.Length(), 2u);
    EXPECT_EQ(CLongMsg().Length(), 0u);
}

TEST(LongMsg, OnlyAFramedMessageIsComplete) {
    const std::uint8_t good[] = {0xF0, 0x41, 0x10, 0x42, 0xF7};
    const std::uint8_t noEnd[] = {0xF0, 0x41, 0x10};
    const std::uint8_t noStart[] = {0x41, 0x10, 0xF7};
    const std::uint8_t statusInside[] = {0xF0, 0x41, 0x90, 0xF7};
    const std::uint8_t empty[] = {0xF0, 0xF7};
    EXPECT_TRUE(CLongMsg::IsComplete(good, sizeof good));
    EXPECT_TRUE(CLongMsg::IsComplete(empty, sizeof empty));
    EXPECT_FALSE(CLongMsg::IsComplete(noEnd, sizeof noEnd));
    EXPECT_FALSE(CLongMsg::IsComplete(noStart, sizeof noStart));
    EXPECT_FALSE(CLongMsg::IsComplete(statusInside, sizeof statusInside));
    EXPECT_FALSE(CLongMsg::IsComplete(good, 1));
    EXPECT_FALSE(CLongMsg::IsComplete(nullptr, 0));
}

TEST(MidiOutExceptions, CarryTheirTextsAndCanBeCaughtByTheirBases) {
    EXPECT_STREQ(midi::CMIDIOutException("Port gone.").what(), "Port gone.");
    EXPECT_STREQ(midi::CMIDIOutEventFailure().what(),
                 "Unable to create a signalling event for CMIDIOutDevice object.");
    EXPECT_STREQ(midi::CMIDIOutMemFailure().what(),
                 "Memory allocation within a CMIDIOutDevice object failed.");
    EXPECT_THROW(throw midi::CMIDIOutMemFailure(), std::bad_alloc);
    EXPECT_THROW(throw midi::CMIDIOutEventFailure(), std::exception);
}

}  // namespace
