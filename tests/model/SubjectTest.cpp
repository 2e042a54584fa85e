#include <gtest/gtest.h>

#include "model/MelodicBar.h"
#include "model/Song.h"
#include "support/EngineReset.h"
#include "support/RecordingObserver.h"

namespace {

class PlainSubject : public Subject {
public:
    const char* GetClassName() const override { return "PlainSubject"; }
};

TEST(SubjectTest, RegistrationsAreUniquePerAspectAndKeepTheirOrder) {
    PlainSubject subject;
    RecordingObserver first, second;
    subject.Attach(&first, 3);
    subject.Attach(&second, 3);
    subject.Attach(&first, 3);
    subject.Attach(&first, 7);
    EXPECT_EQ(subject.ObserversOf(3), (std::vector<Observer*>{&first, &second}));
    EXPECT_EQ(subject.ObserversOf(7), (std::vector<Observer*>{&first}));

    subject.Notify(3);
    ASSERT_EQ(first.calls.size(), 1u);
    EXPECT_EQ(first.calls[0], std::make_pair(static_cast<Subject*>(&subject), 3));
    EXPECT_EQ(second.calls.size(), 1u);

    subject.Detach(&first, 3);
    EXPECT_EQ(subject.ObserversOf(3), (std::vector<Observer*>{&second}));
    EXPECT_EQ(subject.ObserversOf(7), (std::vector<Observer*>{&first}));
}

TEST(SubjectTest, AspectsOutsideTheTwentyListsAreIgnored) {
    PlainSubject subject;
    RecordingObserver observer;
    subject.Attach(&observer, 20);
    subject.Attach(&observer, -1);
    EXPECT_FALSE(subject.HasObservers());
    subject.Attach(&observer, 19);
    subject.Notify(19);
    EXPECT_EQ(observer.calls.size(), 1u);
}

TEST(SubjectTest, ChangesDuringNotificationDoNotDisturbIt) {
    PlainSubject subject;
    RecordingObserver detacher, late, bystander;
    detacher.onUpdate = [&](Subject*, int aspect) {
        subject.Detach(&detacher, aspect);
        subject.Attach(&late, aspect);
    };
    subject.Attach(&detacher, 10);
    subject.Attach(&bystander, 10);

    subject.Notify(10);
    EXPECT_EQ(detacher.calls.size(), 1u);
    EXPECT_EQ(bystander.calls.size(), 1u);
    EXPECT_TRUE(late.calls.empty())
        << "an observer attached during a notification is not called by it";

    subject.Notify(10);
    EXPECT_EQ(detacher.calls.size(), 1u);
    EXPECT_EQ(late.calls.size(), 1u);
    EXPECT_EQ(bystander.calls.size(), 2u);
}

TEST(SubjectTest, CopyObserversGoesThroughTheVirtualAttach) {
    PlainSubject source;
    RecordingObserver a, b;
    source.Attach(&a, 8);
    source.Attach(&b, 8);
    source.Attach(&b, 10);
    PlainSubject target;
    target.Attach(&b, 8);
    target.CopyObservers(source);
    EXPECT_EQ(target.ObserversOf(8), (std::vector<Observer*>{&b, &a}));
    EXPECT_EQ(target.ObserversOf(10), (std::vector<Observer*>{&b}));
    target.DetachAll();
    EXPECT_FALSE(target.HasObservers());
}

// Registrations are shared between subjects observed alike; a change to one
// subject's registrations must never reach another's.
TEST(SubjectTest, SubjectsObservedAlikeShareOneListUntilOneOfThemChanges) {
    Song song("t", "a", 3, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    song.AddPercussionTrack();
    RecordingObserver view, extra;
    song.Attach(&view, 8);
    song.Attach(&view, 10);
    Bar& treble = *song.GetBar(0, 2);
    Bar& drums = *song.GetBar(1, 0);
    EXPECT_EQ(treble.GetRegistrations(), drums.GetRegistrations());
    const auto copy = treble.Clone();
    EXPECT_EQ(copy->GetRegistrations(), treble.GetRegistrations());

    drums.Detach(&view, 8);
    drums.Attach(&extra, 3);
    EXPECT_EQ(treble.ObserversOf(8), (std::vector<Observer*>{&view}));
    EXPECT_TRUE(treble.ObserversOf(3).empty());
    EXPECT_EQ(copy->ObserversOf(8), (std::vector<Observer*>{&view}));
    EXPECT_EQ(drums.ObserversOf(3), (std::vector<Observer*>{&extra}));
    EXPECT_TRUE(drums.ObserversOf(8).empty());

    drums.Detach(&view, 10);
    drums.Detach(&extra, 3);
    EXPECT_FALSE(drums.HasObservers());
    EXPECT_EQ(treble.ObserversOf(10), (std::vector<Observer*>{&view}));
}

class SelObjectTest : public EngineReset {};

TEST_F(SelObjectTest, IsAMatchesOnlyTheExactClassName) {
    Song song("t", "a", 2, 100, {4, 4}, 0);
    song.AddTrebleTrack();
    Bar* bar = song.GetBar(0, 0);
    EXPECT_TRUE(bar->IsA("MelodicBar"));
    EXPECT_FALSE(bar->IsA("Bar"));
    EXPECT_FALSE(bar->IsA("NoteBar"));
    EXPECT_FALSE(bar->IsA("melodicbar"));
    EXPECT_FALSE(bar->IsA(nullptr));
}

TEST_F(SelObjectTest, GetPropertyClimbsToTheSongAndAnswersNullForUnknownNames) {
    Song song("t", "a", 2, 100, {3, 4}, -2);
    song.AddTrebleTrack();
    auto* bar = static_cast<NoteBar*>(song.GetBar(0, 1));
    const Note* rest = bar->GetChordAt(0)->First();
    ASSERT_NE(rest->GetProperty("NumOfStepsPerBar"), nullptr);
    EXPECT_EQ(*rest->GetProperty("NumOfStepsPerBar"), 72);
    EXPECT_EQ(*rest->GetProperty("KeySignature"), -2);
    const int* timeSignature = bar->GetProperty("TimeSignature");
    ASSERT_NE(timeSignature, nullptr);
    EXPECT_EQ(timeSignature[0], 3);
    EXPECT_EQ(timeSignature[1], 4);
    EXPECT_EQ(rest->GetProperty("NoSuchSetting"), nullptr);
    EXPECT_EQ(bar->GetProperty("numofstepsperbar"), nullptr);
}

TEST_F(SelObjectTest, HitRuleIncludesTheRightAndBottomEdges) {
    const Box box{10, 20, 30, 40};
    EXPECT_TRUE(box.Contains(10, 20));
    EXPECT_TRUE(box.Contains(40, 60));
    EXPECT_FALSE(box.Contains(41, 60));
    EXPECT_FALSE(box.Contains(40, 61));
    EXPECT_FALSE(box.Contains(9, 30));
}

}  // namespace
