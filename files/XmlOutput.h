#pragma once

#include <string>
#include <string_view>

// An indented XML document built in memory through libxml2's text writer:
// elements are opened and closed in order, attributes follow the element
// they belong to, and Finish hands back the whole text in UTF-8. Texts are
// escaped by libxml2. Not copyable; one document per object.
class XmlOutput {
public:
    XmlOutput();
    ~XmlOutput();
    XmlOutput(const XmlOutput&) = delete;
    XmlOutput& operator=(const XmlOutput&) = delete;

    // The XML declaration and a document type declaration; call first.
    void Begin(std::string_view root, std::string_view publicId, std::string_view systemId);
    void Open(std::string_view name);
    void Close();
    void Attribute(std::string_view name, std::string_view value);
    void Attribute(std::string_view name, int value);
    // Text inside the element opened last, after its attributes.
    void Content(std::string_view text);
    // An element holding only text (or a number).
    void Element(std::string_view name, std::string_view value);
    void Element(std::string_view name, int value);
    // An element with neither attributes nor content.
    void Empty(std::string_view name);
    // Closes what is open and answers the document.
    std::string Finish();

private:
    struct Writer;
    Writer* m_writer;
};
