#include <gtest/gtest.h>

#include <climits>

#include "model/DrawResources.h"
#include "model/DynamicMark.h"
#include "support/DrawingQueries.h"
#include "support/NoteBarTestKit.h"

using namespace notebar_test;
using namespace drawing_test;

namespace {

class BarContentDrawingTest : public EngineReset {
protected:
    static RecordingDeviceContext DrawBar(NoteBar& bar) {
        RecordingDeviceContext dc;
        bar.Draw(dc);
        return dc;
    }

    // The x of the stem of a note drawn with the stem up (or down).
    static int StemX(const NoteBar& bar, const Note& note, bool down) {
        return bar.PlaceNote(note).x + (down ? -10 : 10);
    }

    // The stem drawn at x, or a failure.
    static Segment StemAt(const RecordingDeviceContext& dc, int x) {
        for (const Segment& stem : Stems(dc)) {
            if (stem.from.x == x) {
                return stem;
            }
        }
        ADD_FAILURE() << "no stem at x " << x;
        return {};
    }
};

TEST_F(BarContentDrawingTest, EighthsArePairedUnderABeamBeatByBeat) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    const char* pitches[] = {"C5", "E5", "D5", "G5"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_NE(Put(bar, 12 * i, pitches[i], 8), nullptr);
    }
    const RecordingDeviceContext dc = DrawBar(bar);
    EXPECT_TRUE(Flags(dc).empty()) << "beamed notes have no flags";

    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 2u) << "one beam per beat";
    for (int beat = 0; beat < 2; ++beat) {
        const Note& first = *At(bar, 24 * beat);
        const Note& second = *At(bar, 24 * beat + 12);
        const Note& higher = first.GetBox().y < second.GetBox().y ? first : second;
        const Rect* beam = nullptr;
        for (const Rect& r : beams) {
            if (r.left <= StemX(bar, first, false) && StemX(bar, second, false) <= r.right) {
                beam = &r;
            }
        }
        ASSERT_NE(beam, nullptr) << "beat " << beat;
        EXPECT_NEAR(beam->bottom - beam->top, 7, 1);
        const Segment stemOne = StemAt(dc, StemX(bar, first, false));
        const Segment stemTwo = StemAt(dc, StemX(bar, second, false));
        EXPECT_EQ(stemOne.from.y, beam->top) << "stems reach the beam";
        EXPECT_EQ(stemTwo.from.y, beam->top) << "the beam is horizontal";
        const Segment outer = StemAt(dc, StemX(bar, higher, false));
        EXPECT_EQ(outer.to.y - outer.from.y, 54) << "54 beyond the highest head";
    }
}

TEST_F(BarContentDrawingTest, HighGroupsHangTheirBeamBelow) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "C6", 8);
    Put(bar, 12, "A5", 8);  // two high notes outvote this middle one
    Put(bar, 12, "E6", 8);
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 1u);
    const Note& low = *At(bar, 12, 0);
    const Segment stem = StemAt(dc, StemX(bar, *At(bar, 0), true));
    EXPECT_EQ(stem.to.y, beams[0].bottom);
    EXPECT_EQ(beams[0].bottom, bar.PlaceNote(low).y + 6 + 54) << "54 beyond the lowest head";
    const Segment chordStem = StemAt(dc, StemX(bar, *At(bar, 12, 1), true));
    EXPECT_EQ(chordStem.from.y, bar.PlaceNote(*At(bar, 12, 1)).y + 6)
        << "a chord's stem leaves from its highest head";
}

TEST_F(BarContentDrawingTest, RestsLoneEighthsAndLongNotesStandAlone) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    ASSERT_NE(Put(bar, 0, "D5", 8), nullptr);  // followed by an eighth rest
    ASSERT_NE(Put(bar, 24, "S", 8), nullptr);
    ASSERT_NE(Put(bar, 36, "D5", 8), nullptr);  // after an eighth rest
    ASSERT_NE(Put(bar, 48, "D5", 4), nullptr);
    ASSERT_NE(Put(bar, 72, "D5", 8, true), nullptr);  // a dotted eighth and a sixteenth rest
    ASSERT_EQ(GridText(bar), "0:D5/12 12:S/12 24:S/12 36:D5/12 48:D5/24 72:D5./18 90:S/6");
    const RecordingDeviceContext dc = DrawBar(bar);
    EXPECT_TRUE(Beams(dc).empty());
    EXPECT_EQ(Flags(dc).size(), 3u) << "every lone eighth keeps its flag";
}

TEST_F(BarContentDrawingTest, ANoteRunningOverTheBeatIsNotBeamedIntoIt) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    ASSERT_NE(Put(bar, 0, "D5", 8), nullptr);
    ASSERT_NE(Put(bar, 12, "E5", 8, true), nullptr);  // a dotted eighth across the beat
    ASSERT_NE(Put(bar, 30, "F5", 16), nullptr);
    ASSERT_EQ(GridText(bar).substr(0, 26), "0:D5/12 12:E5./18 30:F5/6 ");
    const RecordingDeviceContext dc = DrawBar(bar);
    EXPECT_TRUE(Beams(dc).empty());
    EXPECT_EQ(Flags(dc).size(), 3u);
}

TEST_F(BarContentDrawingTest, SixEightGroupsThreeEighthsToABeat) {
    auto song = MakeSong(6, 8);
    MelodicBar& bar = Treble(*song);
    for (int i = 0; i < 6; ++i) {
        ASSERT_NE(Put(bar, 12 * i, "D5", 8), nullptr);
    }
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 2u);
    for (int beat = 0; beat < 2; ++beat) {
        const int left = StemX(bar, *At(bar, 36 * beat), false);
        const int right = StemX(bar, *At(bar, 36 * beat + 24), false);
        const bool found = std::any_of(beams.begin(), beams.end(), [&](const Rect& r) {
            return r.left <= left && left < r.left + 3 && right <= r.right && r.right < right + 3;
        });
        EXPECT_TRUE(found) << "a beam over the three eighths of beat " << beat;
    }
    EXPECT_EQ(Stems(dc).size(), 6u);
}

TEST_F(BarContentDrawingTest, SixteenthsGetASecondBeamAndAStubBesideAnEighth) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    for (int i = 0; i < 4; ++i) {
        Put(bar, 6 * i, "D5", 16);
    }
    Put(bar, 24, "D5", 8, true);  // a dotted eighth...
    Put(bar, 42, "D5", 16);       // ...and its sixteenth
    Put(bar, 48, "D5", 16);       // a sixteenth...
    Put(bar, 54, "D5", 8, true);  // ...before a dotted eighth
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 6u);
    const int top = beams[0].top;
    for (const Rect& beam : beams) {
        EXPECT_TRUE(beam.top == top || beam.top == top + 10) << "two beam lines 10 apart";
    }
    const auto onLine = [&](int y) {
        std::vector<Rect> found;
        std::copy_if(beams.begin(), beams.end(), std::back_inserter(found),
                     [y](const Rect& r) { return r.top == y; });
        std::sort(found.begin(), found.end(),
                  [](const Rect& a, const Rect& b) { return a.left < b.left; });
        return found;
    };
    const auto primary = onLine(top);
    const auto secondary = onLine(top + 10);
    ASSERT_EQ(primary.size(), 3u);
    ASSERT_EQ(secondary.size(), 3u);
    // The four sixteenths: both beams span all four stems.
    EXPECT_EQ(secondary[0].left, primary[0].left);
    EXPECT_EQ(secondary[0].right, primary[0].right);
    // After a dotted eighth the sixteenth's stub points back at it.
    const int afterDot = StemX(bar, *At(bar, 42), false);
    EXPECT_NEAR(secondary[1].right, afterDot, 1);
    EXPECT_NEAR(afterDot - secondary[1].left, 12, 2);
    // Before a dotted eighth it points forward.
    const int beforeDot = StemX(bar, *At(bar, 48), false);
    EXPECT_NEAR(secondary[2].left, beforeDot, 1);
    EXPECT_NEAR(secondary[2].right - beforeDot, 12, 2);
}

TEST_F(BarContentDrawingTest, ThirtySecondsGetThreeBeams) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    for (int i = 0; i < 8; ++i) {
        Put(bar, 3 * i, "D5", 32);
    }
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 3u);
    EXPECT_EQ(beams[1].top - beams[0].top, 10);
    EXPECT_EQ(beams[2].top - beams[1].top, 10);
    EXPECT_EQ(Stems(dc).size(), 8u);
    EXPECT_TRUE(Flags(dc).empty());
}

TEST_F(BarContentDrawingTest, ATripletGroupIsMarkedOnceAndBeamedOnItsOwn) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    ASSERT_NE(Put(bar, 0, "C5", 8, false, true), nullptr);
    ASSERT_NE(Put(bar, 8, "D5", 8, false, true), nullptr);
    ASSERT_NE(Put(bar, 16, "E5", 8, false, true), nullptr);
    ASSERT_NE(Put(bar, 24, "F5", 8), nullptr);
    ASSERT_NE(Put(bar, 36, "G5", 8), nullptr);
    ASSERT_NE(Put(bar, 48, "C5", 4, false, true), nullptr);  // quarter triplets over two beats
    const RecordingDeviceContext dc = DrawBar(bar);

    std::vector<Call> marks;
    for (const Call& call : dc.TextsEqual("3")) {
        EXPECT_EQ(call.font, DrawResources::Instance().smallScoreFont);
        marks.push_back(call);
    }
    ASSERT_EQ(marks.size(), 2u) << "one mark per group";
    const auto beams = Beams(dc);
    ASSERT_EQ(beams.size(), 2u) << "the triplet and the plain eighths are beamed apart";
    EXPECT_TRUE(Flags(dc).empty());

    // The first mark stands above the group's beam, between its first and last heads.
    const int left = bar.PlaceNote(*At(bar, 0)).x;
    const int right = bar.PlaceNote(*At(bar, 16)).x;
    const Rect tripletBeam = beams[0].left < beams[1].left ? beams[0] : beams[1];
    const Call& mark = Where(marks[0]).x < Where(marks[1]).x ? marks[0] : marks[1];
    EXPECT_GT(Where(mark).x, left - 10);
    EXPECT_LT(Where(mark).x, right);
    const int digitBottom = Where(mark).y + 65 + 13;
    EXPECT_LT(digitBottom, tripletBeam.top);
    EXPECT_EQ(dc.OfKind(Kind::Polyline).size(), 4u) << "each bracket in two arms";
    for (const Call& arm : dc.OfKind(Kind::Polyline)) {
        for (const Point& p : arm.points) {
            EXPECT_LT(p.y, bar.GetBox().y + 45) << "brackets stay above the staff";
        }
    }
}

TEST_F(BarContentDrawingTest, DynamicsStandUnderTheNoteBetweenStaffAndLyrics) {
    auto song = MakeSong(4, 4);
    song->GetTrack(0)->ShowLyrics();
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "D5", 4);
    Put(bar, 24, "C4", 4);  // far below the staff
    Put(bar, 48, "D5", 4);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::MF));
    ASSERT_TRUE(bar.AddMark(24, DynamicMark::PPP));
    ASSERT_TRUE(bar.AddMark(48, DynamicMark::Accent));
    const RecordingDeviceContext dc = DrawBar(bar);
    const FontSpec& font = DrawResources::Instance().dynamicsFont;
    EXPECT_TRUE(font.italic);
    EXPECT_GE(font.weight, 700);

    const int top = bar.GetBox().y;
    const std::pair<int, const char*> expected[] = {{0, "mf"}, {24, "ppp"}};
    for (const auto& [step, text] : expected) {
        const auto drawn = dc.TextsEqual(text);
        ASSERT_EQ(drawn.size(), 1u) << text;
        EXPECT_EQ(drawn[0].font, font);
        const int width = static_cast<int>(std::string(text).size()) * font.height / 2;
        EXPECT_EQ(Where(drawn[0]).x + width / 2, bar.PlaceNote(*At(bar, step)).x)
            << "centred on the head";
        EXPECT_GT(Where(drawn[0]).y, top + 125) << "below the staff";
        EXPECT_LE(Where(drawn[0]).y + font.height, bar.GetLyrics().at(step)->GetBox().y)
            << "above the lyrics";
    }
    const auto inDynamicsFont = std::count_if(dc.calls.begin(), dc.calls.end(), [&](const Call& c) {
        return c.kind == Kind::Text && c.font == font;
    });
    EXPECT_EQ(inDynamicsFont, 2) << "the accent is no text under the staff";
}

TEST_F(BarContentDrawingTest, DrumDynamicsKeepClearOfTheLineAndTheLyrics) {
    auto song = MakeSong(4, 4);
    song->GetTrack(2)->ShowLyrics();
    PercussionBar& bar = Drums(*song);
    Put(bar, 0, "C5", 8);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::FF));
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto drawn = dc.TextsEqual("ff");
    ASSERT_EQ(drawn.size(), 1u);
    const int cellTop = Where(drawn[0]).y;
    const int cellBottom = cellTop + DrawResources::Instance().dynamicsFont.height;
    const int line = bar.GetBox().y + 85;
    EXPECT_FALSE(cellTop <= line && line <= cellBottom) << "not across the drum line";
    const Box lyric = bar.GetLyrics().at(0)->GetBox();
    EXPECT_TRUE(cellBottom <= lyric.y || cellTop >= lyric.y + lyric.height);
    int stemTop = INT_MAX;
    for (const Segment& stem : Stems(dc)) {
        stemTop = std::min(stemTop, stem.from.y);
    }
    EXPECT_LE(cellBottom, stemTop) << "nor over the stem";
}

TEST_F(BarContentDrawingTest, HairpinsOpenOrCloseTowardsTheNextNote) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "D5", 4);
    Put(bar, 24, "E5", 4);
    Put(bar, 48, "F5", 2);
    ASSERT_TRUE(bar.AddMark(0, DynamicMark::Cresc));
    ASSERT_TRUE(bar.AddMark(48, DynamicMark::Dim));
    const RecordingDeviceContext dc = DrawBar(bar);
    std::vector<Segment> wedges;
    for (const Segment& line : Lines(dc)) {
        if (line.from.y > bar.GetBox().y + 125 && line.to.y > bar.GetBox().y + 125) {
            wedges.push_back(line);
        }
    }
    ASSERT_EQ(wedges.size(), 4u) << "two lines per hairpin";
    const int firstHead = bar.PlaceNote(*At(bar, 0)).x;
    const int secondHead = bar.PlaceNote(*At(bar, 24)).x;
    // Crescendo: the lines meet at the first note and part towards the next.
    EXPECT_EQ(wedges[0].from, wedges[1].from);
    EXPECT_GT(std::abs(wedges[0].to.y - wedges[1].to.y), 10);
    EXPECT_NEAR(wedges[0].from.x, firstHead, 10);
    EXPECT_LE(std::max(wedges[0].to.x, wedges[1].to.x), secondHead);
    // Diminuendo: they start apart and meet before the bar line.
    EXPECT_EQ(wedges[2].to, wedges[3].to);
    EXPECT_GT(std::abs(wedges[2].from.y - wedges[3].from.y), 10);
    EXPECT_LE(wedges[2].to.x, bar.GetBox().x + bar.GetBox().width);
}

TEST_F(BarContentDrawingTest, AnEmptyBarDrawsOneWholeRestInItsMiddle) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    const RecordingDeviceContext dc = DrawBar(bar);
    const auto rests = dc.TextsEqual("@");
    ASSERT_EQ(rests.size(), 1u);
    EXPECT_EQ(Where(rests[0]).x + 10, bar.GetBox().x + bar.GetBox().width / 2);
    EXPECT_TRUE(dc.OfKind(Kind::Line).empty());
}

TEST_F(BarContentDrawingTest, ABarOutsideTheClipDrawsNothing) {
    auto song = MakeSong(4, 4);
    MelodicBar& bar = Treble(*song);
    Put(bar, 0, "D5", 8);
    const Box box = bar.GetBox();
    RecordingDeviceContext far(
        {box.x + box.width + 500, box.y, box.x + box.width + 900, box.y + box.height});
    bar.Draw(far);
    EXPECT_TRUE(far.calls.empty());
    RecordingDeviceContext near({box.x, box.y, box.x + 50, box.y + 50});
    bar.Draw(near);
    EXPECT_FALSE(near.calls.empty()) << "a partly visible bar is drawn";
}

}  // namespace
