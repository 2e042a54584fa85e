#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

// Bytes that plain field structs are appended to and read back from in the
// same order. They are kept in chunks of 64 KiB, below the size from which
// the C library maps fresh pages for every block: the chunks of a dropped
// record go back to the heap and the next record fills them again, without
// page faults and without ever moving what was written. A field never
// straddles two chunks. Only types whose bytes are their whole value (no
// padding) may go in.
class RecordBytes {
public:
    static constexpr std::size_t kChunkSize = 64 * 1024;

    // Reads fields back from the start, in the order written. A read past the
    // end is a programming error and throws std::out_of_range.
    class Cursor {
    public:
        explicit Cursor(const RecordBytes& bytes);

        template <typename T>
        T Read() {
            static_assert(std::has_unique_object_representations_v<T>);
            static_assert(sizeof(T) <= kChunkSize);
            if (m_end - m_at < static_cast<std::ptrdiff_t>(sizeof(T))) {
                NextChunk(sizeof(T));
            }
            T value;
            std::memcpy(&value, m_at, sizeof value);
            m_at += sizeof value;
            return value;
        }
        // Copies the next count bytes, which may run over several chunks.
        void Take(void* out, std::size_t count);
        bool AtEnd() const;

    private:
        // Moves to the next chunk, which must hold at least count bytes.
        void NextChunk(std::size_t count);

        const RecordBytes& m_bytes;
        std::size_t m_chunk = 0;
        const std::byte* m_at = nullptr;
        const std::byte* m_end = nullptr;
    };

    RecordBytes() = default;

    template <typename T>
    void Append(const T& value) {
        static_assert(std::has_unique_object_representations_v<T>);
        static_assert(sizeof(T) <= kChunkSize);
        if (kChunkSize - m_used < sizeof(T)) {
            StartChunk();
        }
        std::memcpy(m_current + m_used, &value, sizeof value);
        m_used += sizeof value;
    }
    // Raw bytes, split over chunks as they fill.
    void Append(const void* data, std::size_t count) {
        if (count != 0 && count <= kChunkSize - m_used) {
            std::memcpy(m_current + m_used, data, count);
            m_used += count;
        } else {
            AppendSplit(static_cast<const std::byte*>(data), count);
        }
    }

    // The bytes held by the chunks.
    std::size_t Capacity() const { return m_chunks.size() * kChunkSize; }

private:
    struct Chunk {
        std::unique_ptr<std::byte[]> bytes;
        std::size_t used = 0;
    };
    void AppendSplit(const std::byte* data, std::size_t count);
    void StartChunk();
    std::size_t UsedIn(std::size_t chunk) const;

    std::vector<Chunk> m_chunks;
    // The chunk being filled, and how much of it is.
    std::byte* m_current = nullptr;
    std::size_t m_used = kChunkSize;
};
