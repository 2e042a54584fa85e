#pragma once

#include <optional>
#include <string>

// What a model object's Serialize sees of the song file: a mode, cursors onto
// the song, track, bar, bar element and user-text elements, and attributes
// on them. Values are texts in the program's own code page. The file format
// itself (files/LarkArchive) implements it; failures are IOExceptions.
class Archive {
public:
    enum Mode { Store = 0, Load = 1, LoadPattern = 2, ExportMidi = 3 };
    enum Cursor { RootElement, TrackElement, BarElement, BarElemElement, UserTextElement };

    virtual ~Archive() = default;

    virtual Mode GetMode() const = 0;
    bool IsStoring() const { return GetMode() == Store; }
    bool IsLoading() const { return GetMode() == Load; }
    bool IsLoadingPattern() const { return GetMode() == LoadPattern; }
    bool IsExportingMidi() const { return GetMode() == ExportMidi; }
    // Load or LoadPattern.
    bool IsReading() const { return IsLoading() || IsLoadingPattern(); }

    // Storing: each appends an element and makes it current.
    virtual void CreateRoot() = 0;
    virtual void NewTrack() = 0;
    virtual void NewBar() = 0;
    virtual void NewBarElem() = 0;
    virtual void NewUserText() = 0;
    // Appends an attribute to the current element of the cursor.
    virtual void WriteText(Cursor cursor, const char* name, const std::string& value) = 0;
    void WriteInt(Cursor cursor, const char* name, int value) {
        WriteText(cursor, name, std::to_string(value));
    }

    // Reading: whether the cursor stands on an element.
    virtual bool Has(Cursor cursor) const = 0;
    // The attribute's value, or nothing when it is absent.
    virtual std::optional<std::string> ReadText(Cursor cursor, const char* name) const = 0;
    // A decimal integer as atoi reads it (leading digits, 0 when none), or
    // nothing when the attribute is absent.
    std::optional<int> ReadInt(Cursor cursor, const char* name) const;
    int ReadIntOr(Cursor cursor, const char* name, int fallback) const {
        return ReadInt(cursor, name).value_or(fallback);
    }
    // Each moves to the next element of its kind and answers whether there is one.
    virtual bool NextTrack() = 0;
    virtual bool NextBar() = 0;
    virtual bool NextBarElem() = 0;
    virtual bool FirstUserText() = 0;
    virtual bool NextUserText() = 0;
};
