#pragma once

#include <gtest/gtest.h>

#include "editor/ToolsManager.h"
#include "model/Track.h"
#include "playback/SoundEngine.h"

// Puts the process-wide services back to their start state around each test.
class EngineReset : public ::testing::Test {
protected:
    void SetUp() override { ResetServices(); }
    void TearDown() override { ResetServices(); }

    static void ResetServices() {
        SoundEngine& engine = SoundEngine::Instance();
        engine.SetOutput(nullptr);
        engine.ResetChannels();
        engine.SetTimeSignature(4, 4);
        engine.SetTempo(60, false);
        engine.SetKeySignature(0);
        ToolsManager::Instance().Reset();
        Track::SetBarsPerLine(4);
    }
};
