#include "files/MxlPackage.h"

#include <zip.h>

#include <cstdio>
#include <new>

#include "files/AtomicFileWriter.h"

namespace {

constexpr const char* kMimeType = "application/vnd.recordare.musicxml";
constexpr const char* kContainer =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<container>\n"
    "  <rootfiles>\n"
    "    <rootfile full-path=\"score.musicxml\" "
    "media-type=\"application/vnd.recordare.musicxml+xml\"/>\n"
    "  </rootfiles>\n"
    "</container>\n";

// The zip being built in memory, given back whatever happens.
class MemoryZip {
public:
    MemoryZip() {
        zip_error_init(&m_error);
        m_source = zip_source_buffer_create(nullptr, 0, 0, &m_error);
        m_zip = m_source ? zip_open_from_source(m_source, ZIP_TRUNCATE, &m_error) : nullptr;
        if (m_zip == nullptr) {
            zip_source_free(m_source);
            zip_error_fini(&m_error);
            throw std::bad_alloc();
        }
        // The source outlives the archive: the bytes are read from it after closing.
        zip_source_keep(m_source);
    }
    ~MemoryZip() {
        if (m_zip != nullptr) {
            zip_discard(m_zip);
        }
        zip_source_free(m_source);
        zip_error_fini(&m_error);
    }
    MemoryZip(const MemoryZip&) = delete;
    MemoryZip& operator=(const MemoryZip&) = delete;

    // The text must live until Bytes.
    void Add(const char* name, const std::string& text, bool compress) {
        zip_source_t* entry = zip_source_buffer(m_zip, text.data(), text.size(), 0);
        const zip_int64_t index =
            entry ? zip_file_add(m_zip, name, entry, ZIP_FL_ENC_UTF_8) : zip_int64_t{-1};
        if (index < 0) {
            zip_source_free(entry);
            throw std::bad_alloc();
        }
        zip_set_file_compression(m_zip, static_cast<zip_uint64_t>(index),
                                 compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    }

    std::string Bytes() {
        const int closed = zip_close(m_zip);
        if (closed != 0) {
            throw std::bad_alloc();
        }
        m_zip = nullptr;
        std::string bytes;
        if (zip_source_open(m_source) < 0) {
            throw std::bad_alloc();
        }
        zip_source_seek(m_source, 0, SEEK_END);
        const zip_int64_t size = zip_source_tell(m_source);
        zip_source_seek(m_source, 0, SEEK_SET);
        bytes.resize(static_cast<size_t>(size > 0 ? size : 0));
        const zip_int64_t read = zip_source_read(m_source, bytes.data(), bytes.size());
        zip_source_close(m_source);
        if (read != size) {
            throw std::bad_alloc();
        }
        return bytes;
    }

private:
    zip_error_t m_error{};
    zip_source_t* m_source = nullptr;
    zip_t* m_zip = nullptr;
};

}  // namespace

std::string MxlPackage::Pack(const std::string& score) {
    const std::string mimeType = kMimeType;
    const std::string container = kContainer;
    MemoryZip zip;
    // Readers recognise the container by its first, uncompressed entry.
    zip.Add("mimetype", mimeType, false);
    zip.Add("META-INF/container.xml", container, true);
    zip.Add(kScoreName, score, true);
    return zip.Bytes();
}

bool MxlPackage::Write(const std::string& path, const std::string& score) {
    return AtomicFileWriter::Write(path, Pack(score));
}
