#include "files/LarkArchive.h"

#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "files/MidiFile.h"
#include "platform/Exception.h"
#include "platform/ProgramPaths.h"
#include "platform/Prompt.h"
#include "platform/StringIds.h"
#include "platform/StringTable.h"
#include "platform/TextCodec.h"

namespace {

const xmlChar* X(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

// The next element after a node among its siblings, skipping the whitespace
// text nodes of the indented layout (and comments).
xmlNodePtr NextElement(xmlNodePtr node) {
    while (node != nullptr && node->type != XML_ELEMENT_NODE) {
        node = node->next;
    }
    return node;
}

xmlNodePtr FirstChildNamed(xmlNodePtr parent, const char* name) {
    if (parent == nullptr) {
        return nullptr;
    }
    for (xmlNodePtr node = NextElement(parent->children); node != nullptr;
         node = NextElement(node->next)) {
        if (xmlStrcmp(node->name, X(name)) == 0) {
            return node;
        }
    }
    return nullptr;
}

xmlNodePtr NextSiblingNamed(xmlNodePtr node, const char* name) {
    if (node == nullptr) {
        return nullptr;
    }
    for (node = NextElement(node->next); node != nullptr; node = NextElement(node->next)) {
        if (xmlStrcmp(node->name, X(name)) == 0) {
            return node;
        }
    }
    return nullptr;
}

// A new song file gets the usual permissions; a replaced one keeps its own
// (mkstemp alone would leave the file readable by its owner only).
mode_t PermissionsFor(const std::string& path) {
    struct stat existing {};
    if (stat(path.c_str(), &existing) == 0) {
        return existing.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

[[noreturn]] void Throw(int stringId) {
    throw IOException(StringTable::Get(stringId));
}

}  // namespace

LarkArchive::LarkArchive(Prompt* prompt) : m_prompt(prompt) {}

LarkArchive::~LarkArchive() {
    FreeDocument();
}

void LarkArchive::Open(const std::string& fileName, Mode mode) {
    FreeDocument();
    m_midiFile.reset();
    m_currentMidiTrack = nullptr;
    m_mode = mode;
    m_fileName = mode == LoadPattern ? PatternPath(fileName) : fileName;
    switch (mode) {
        case Store:
            m_document = xmlNewDoc(X("1.0"));
            break;
        case ExportMidi:
            m_midiFile = std::make_unique<MidiFile>();
            m_accompanimentVolume = 100;
            break;
        case Load:
        case LoadPattern:
            OpenForReading(m_fileName);
            break;
    }
}

void LarkArchive::OpenForReading(const std::string& path) {
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (probe == nullptr) {
        Throw(ids::kFileDoNotExists);
    }
    std::fclose(probe);
    // A song file never needs the network; refuse anything that asks for it.
    m_document = xmlReadFile(path.c_str(), nullptr,
                             XML_PARSE_NONET | XML_PARSE_NOWARNING | XML_PARSE_NOERROR);
    if (m_document == nullptr) {
        Throw(ids::kReadFileError);
    }
    m_root = xmlDocGetRootElement(m_document);
    if (m_root == nullptr || xmlStrcmp(m_root->name, X("LarkSong")) != 0) {
        FreeDocument();
        Throw(ids::kReadFileError);
    }
    if (!AcceptsVersion()) {
        FreeDocument();
        Throw(ids::kFormatNewUserAborted);
    }
    m_track = FirstChildNamed(m_root, "Track");
    m_bar = FirstChildNamed(m_track, "Bar");
    m_barElem = FirstChildNamed(m_bar, "BarElem");
}

bool LarkArchive::AcceptsVersion() const {
    const std::optional<std::string> version = ReadText(RootElement, "arcVersion");
    if (!version || version->empty() || std::atoi(version->c_str()) <= 1) {
        return true;
    }
    return m_prompt != nullptr &&
           m_prompt->Ask(StringTable::Get(ids::kFileFormatNew), StringTable::Get(ids::kWarning),
                         Prompt::YesNoButtons, Prompt::WarningIcon) == Prompt::Yes;
}

void LarkArchive::Close() {
    if (m_mode == Store && m_document != nullptr) {
        Save();
    }
    if (m_mode == ExportMidi && m_midiFile) {
        WriteMidiFile();
    }
    FreeDocument();
}

void LarkArchive::WriteMidiFile() {
    // The file object goes whether or not the write succeeds; a second Close
    // has nothing left to write.
    const std::unique_ptr<MidiFile> file = std::move(m_midiFile);
    m_currentMidiTrack = nullptr;
    if (file->Write(m_fileName) != 0) {
        Throw(ids::kWriteFileError);
    }
}

void LarkArchive::Save() {
    // Write beside the target, then rename over it: the old file survives any
    // failure, and readers never see a half-written song.
    std::string temp = m_fileName + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        FreeDocument();
        Throw(ids::kWriteFileError);
    }
    fchmod(fd, PermissionsFor(m_fileName));
    close(fd);
    const int written = xmlSaveFormatFileEnc(temp.c_str(), m_document, "UTF-8", 1);
    if (written < 0 || std::rename(temp.c_str(), m_fileName.c_str()) != 0) {
        std::remove(temp.c_str());
        FreeDocument();
        Throw(ids::kWriteFileError);
    }
}

void LarkArchive::CreateRoot() {
    m_root = xmlNewNode(nullptr, X("LarkSong"));
    xmlDocSetRootElement(m_document, m_root);
}

void LarkArchive::NewTrack() {
    m_track = AppendChild(m_root, "Track");
    m_bar = m_barElem = nullptr;
}

void LarkArchive::NewBar() {
    m_bar = AppendChild(m_track, "Bar");
    m_barElem = nullptr;
}

void LarkArchive::NewBarElem() {
    m_barElem = AppendChild(m_bar, "BarElem");
}

void LarkArchive::NewUserText() {
    m_userText = AppendChild(m_root, "UserText");
}

xmlNodePtr LarkArchive::AppendChild(xmlNodePtr parent, const char* name) {
    return parent != nullptr ? xmlNewChild(parent, nullptr, X(name), nullptr) : nullptr;
}

void LarkArchive::WriteText(Cursor cursor, const char* name, const std::string& value) {
    if (xmlNodePtr element = Element(cursor)) {
        // xmlNewProp escapes markup characters itself.
        xmlNewProp(element, X(name), X(TextCodec::AnsiToUtf8(value).c_str()));
    }
}

std::optional<std::string> LarkArchive::ReadText(Cursor cursor, const char* name) const {
    xmlNodePtr element = Element(cursor);
    if (element == nullptr) {
        return std::nullopt;
    }
    xmlChar* value = xmlGetProp(element, X(name));
    if (value == nullptr) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return TextCodec::Utf8ToAnsi(text);
}

bool LarkArchive::NextTrack() {
    m_track = NextSiblingNamed(m_track, "Track");
    m_bar = FirstChildNamed(m_track, "Bar");
    m_barElem = FirstChildNamed(m_bar, "BarElem");
    return m_track != nullptr;
}

bool LarkArchive::NextBar() {
    m_bar = NextSiblingNamed(m_bar, "Bar");
    m_barElem = FirstChildNamed(m_bar, "BarElem");
    return m_bar != nullptr;
}

bool LarkArchive::NextBarElem() {
    m_barElem = NextSiblingNamed(m_barElem, "BarElem");
    return m_barElem != nullptr;
}

bool LarkArchive::FirstUserText() {
    m_userText = nullptr;
    if (m_document == nullptr) {
        return false;
    }
    xmlXPathContextPtr context = xmlXPathNewContext(m_document);
    if (context == nullptr) {
        return false;
    }
    xmlXPathObjectPtr result = xmlXPathEvalExpression(X("//LarkSong/UserText"), context);
    if (result != nullptr && result->nodesetval != nullptr && result->nodesetval->nodeNr > 0) {
        m_userText = result->nodesetval->nodeTab[0];
    }
    xmlXPathFreeObject(result);
    xmlXPathFreeContext(context);
    return m_userText != nullptr;
}

bool LarkArchive::NextUserText() {
    m_userText = NextSiblingNamed(m_userText, "UserText");
    return m_userText != nullptr;
}

std::string LarkArchive::PatternPath(const std::string& fileName) {
    return ProgramPaths::DataDir() + "Pattern/" + fileName;
}

xmlNodePtr LarkArchive::Element(Cursor cursor) const {
    switch (cursor) {
        case RootElement:
            return m_root;
        case TrackElement:
            return m_track;
        case BarElement:
            return m_bar;
        case BarElemElement:
            return m_barElem;
        case UserTextElement:
            return m_userText;
    }
    return nullptr;
}

void LarkArchive::FreeDocument() {
    if (m_document != nullptr) {
        xmlFreeDoc(m_document);
    }
    m_document = nullptr;
    m_root = m_track = m_bar = m_barElem = m_userText = nullptr;
}
