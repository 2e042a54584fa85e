#include "model/RecordBytes.h"

#include <algorithm>
#include <stdexcept>

RecordBytes::Cursor::Cursor(const RecordBytes& bytes) : m_bytes(bytes) {
    if (!bytes.m_chunks.empty()) {
        m_at = bytes.m_chunks.front().bytes.get();
        m_end = m_at + bytes.UsedIn(0);
    }
}

void RecordBytes::Cursor::Take(void* out, std::size_t count) {
    auto* to = static_cast<std::byte*>(out);
    while (count > 0) {
        if (m_at == m_end) {
            NextChunk(1);
        }
        const std::size_t part = std::min(count, static_cast<std::size_t>(m_end - m_at));
        std::memcpy(to, m_at, part);
        to += part;
        m_at += part;
        count -= part;
    }
}

bool RecordBytes::Cursor::AtEnd() const {
    return m_at == m_end && m_chunk + 1 >= m_bytes.m_chunks.size();
}

void RecordBytes::Cursor::NextChunk(std::size_t count) {
    // What is left of this chunk was too short for the field, so it was
    // written at the start of the next one.
    if (m_chunk + 1 >= m_bytes.m_chunks.size()) {
        throw std::out_of_range("read past the end of a record");
    }
    ++m_chunk;
    m_at = m_bytes.m_chunks[m_chunk].bytes.get();
    m_end = m_at + m_bytes.UsedIn(m_chunk);
    if (static_cast<std::size_t>(m_end - m_at) < count) {
        throw std::out_of_range("read past the end of a record");
    }
}

void RecordBytes::AppendSplit(const std::byte* from, std::size_t count) {
    while (count > 0) {
        if (m_used == kChunkSize) {
            StartChunk();
        }
        const std::size_t part = std::min(count, kChunkSize - m_used);
        std::memcpy(m_current + m_used, from, part);
        m_used += part;
        from += part;
        count -= part;
    }
}

void RecordBytes::StartChunk() {
    if (!m_chunks.empty()) {
        m_chunks.back().used = m_used;
    }
    m_chunks.push_back({std::make_unique_for_overwrite<std::byte[]>(kChunkSize), 0});
    m_current = m_chunks.back().bytes.get();
    m_used = 0;
}

std::size_t RecordBytes::UsedIn(std::size_t chunk) const {
    return chunk + 1 == m_chunks.size() ? m_used : m_chunks[chunk].used;
}
