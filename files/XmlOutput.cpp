#include "files/XmlOutput.h"

#include <libxml/xmlwriter.h>

#include <stdexcept>

struct XmlOutput::Writer {
    xmlBufferPtr buffer = nullptr;
    xmlTextWriterPtr writer = nullptr;
};

namespace {

// libxml2 wants zero-terminated names; the views handed in are short.
std::string Terminated(std::string_view text) {
    return std::string(text);
}

const xmlChar* Chars(const std::string& text) {
    return reinterpret_cast<const xmlChar*>(text.c_str());
}

void Check(int result) {
    // Only running out of memory makes the in-memory writer fail.
    if (result < 0) {
        throw std::bad_alloc();
    }
}

}  // namespace

XmlOutput::XmlOutput() : m_writer(new Writer) {
    m_writer->buffer = xmlBufferCreate();
    m_writer->writer = m_writer->buffer ? xmlNewTextWriterMemory(m_writer->buffer, 0) : nullptr;
    if (m_writer->writer == nullptr) {
        xmlBufferFree(m_writer->buffer);
        delete m_writer;
        throw std::bad_alloc();
    }
    xmlTextWriterSetIndent(m_writer->writer, 1);
    xmlTextWriterSetIndentString(m_writer->writer, reinterpret_cast<const xmlChar*>("  "));
}

XmlOutput::~XmlOutput() {
    if (m_writer->writer != nullptr) {
        xmlFreeTextWriter(m_writer->writer);
    }
    xmlBufferFree(m_writer->buffer);
    delete m_writer;
}

void XmlOutput::Begin(std::string_view root, std::string_view publicId, std::string_view systemId) {
    Check(xmlTextWriterStartDocument(m_writer->writer, "1.0", "UTF-8", "no"));
    Check(xmlTextWriterWriteDTD(m_writer->writer, Chars(Terminated(root)),
                                Chars(Terminated(publicId)), Chars(Terminated(systemId)), nullptr));
}

void XmlOutput::Open(std::string_view name) {
    Check(xmlTextWriterStartElement(m_writer->writer, Chars(Terminated(name))));
}

void XmlOutput::Close() {
    Check(xmlTextWriterEndElement(m_writer->writer));
}

void XmlOutput::Attribute(std::string_view name, std::string_view value) {
    Check(xmlTextWriterWriteAttribute(m_writer->writer, Chars(Terminated(name)),
                                      Chars(Terminated(value))));
}

void XmlOutput::Attribute(std::string_view name, int value) {
    Attribute(name, std::to_string(value));
}

void XmlOutput::Content(std::string_view text) {
    Check(xmlTextWriterWriteString(m_writer->writer, Chars(Terminated(text))));
}

void XmlOutput::Element(std::string_view name, std::string_view value) {
    Check(xmlTextWriterWriteElement(m_writer->writer, Chars(Terminated(name)),
                                    Chars(Terminated(value))));
}

void XmlOutput::Element(std::string_view name, int value) {
    Element(name, std::to_string(value));
}

void XmlOutput::Empty(std::string_view name) {
    Open(name);
    Check(xmlTextWriterEndElement(m_writer->writer));
}

std::string XmlOutput::Finish() {
    Check(xmlTextWriterEndDocument(m_writer->writer));
    xmlFreeTextWriter(m_writer->writer);
    m_writer->writer = nullptr;
    const auto* content = xmlBufferContent(m_writer->buffer);
    return std::string(reinterpret_cast<const char*>(content),
                       static_cast<size_t>(xmlBufferLength(m_writer->buffer)));
}
