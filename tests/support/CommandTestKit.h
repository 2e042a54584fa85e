#pragma once

#include <memory>

#include "editor/SongHistory.h"
#include "editor/UndoManager.h"
#include "editor/commands/CommandContext.h"
#include "editor/commands/SongDocument.h"
#include "platform/FixedPrompt.h"
#include "support/ToolTestKit.h"

// The editing tools' test song with what the editor's commands need around
// it: a document that reverts the way the real one does, and a prompt that
// answers Yes and keeps every message.
namespace command_test {

class FakeDocument : public SongDocument {
public:
    FakeDocument(std::unique_ptr<Song>& song, FakeScoreWindow& window, ChangeRecorder& recorder)
        : m_song(song), m_window(window), m_recorder(recorder) {}

    Song* GetSong() const override { return m_song.get(); }
    bool RevertToRecorded() override {
        if (!SongHistory(UndoManager::Instance()).Revert(m_song)) {
            return false;
        }
        m_window.song = m_song.get();
        m_recorder.Watch(*m_song);
        ++reverts;
        return true;
    }

    int reverts = 0;

private:
    std::unique_ptr<Song>& m_song;
    FakeScoreWindow& m_window;
    ChangeRecorder& m_recorder;
};

class CommandTest : public tool_test::ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        document = std::make_unique<FakeDocument>(song, *window, recorder);
        context = std::make_unique<CommandContext>(
            CommandContext{*document, *window, prompt, UndoManager::Instance()});
    }
    void TearDown() override {
        context.reset();
        document.reset();
        ToolTest::TearDown();
    }

    // The texts shown so far, oldest first.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& asked : prompt.AskedSoFar()) {
            texts.push_back(asked.text);
        }
        return texts;
    }

    FixedPrompt prompt{Prompt::Yes};
    std::unique_ptr<FakeDocument> document;
    std::unique_ptr<CommandContext> context;
};

}  // namespace command_test
