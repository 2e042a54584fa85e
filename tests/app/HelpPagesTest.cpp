// GCC 12's <regex> warns of an uninitialised std::function inside its own
// automaton when built with the sanitizers' flags: a known false positive
// in libstdc++, which -Werror would turn into a failed build.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

// The Help menu opens help/index.html and help/support.html beside the
// program in the user's browser. A page that names a missing page, anchor or
// picture, loads anything from elsewhere, or lacks its title fails here, for
// the pages as the build places them beside the program.
namespace {

namespace fs = std::filesystem;

const fs::path kSource = fs::path(QUILLSONG_TEST_DATA) / ".." / ".." / "assets" / "help";

fs::path Shipped() {
    return fs::path(QUILLSONG_BINARY).parent_path() / "help";
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> FileNames(const fs::path& folder, const std::string& extension) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() &&
            (extension.empty() || entry.path().extension() == extension)) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct Tag {
    std::string name;
    std::map<std::string, std::string> attributes;
};

// Start tags with their quoted attributes; enough for pages we write by hand.
std::vector<Tag> Tags(const std::string& html) {
    static const std::regex tag(R"(<([A-Za-z][A-Za-z0-9]*)([^>]*)>)");
    static const std::regex attribute(R"re(([A-Za-z-]+)\s*=\s*(?:"([^"]*)"|'([^']*)'))re");
    std::vector<Tag> tags;
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
        Tag found{Lower((*it)[1].str()), {}};
        const std::string rest = (*it)[2].str();
        for (std::sregex_iterator a(rest.begin(), rest.end(), attribute); a != end; ++a) {
            found.attributes[Lower((*a)[1].str())] =
                (*a)[2].matched ? (*a)[2].str() : (*a)[3].str();
        }
        tags.push_back(found);
    }
    return tags;
}

std::set<std::string> Ids(const std::string& html) {
    std::set<std::string> ids;
    for (const Tag& tag : Tags(html)) {
        if (tag.attributes.contains("id")) {
            ids.insert(tag.attributes.at("id"));
        }
    }
    return ids;
}

bool HasScheme(const std::string& reference) {
    static const std::regex scheme(R"(^[A-Za-z][A-Za-z0-9+.-]*:)");
    return std::regex_search(reference, scheme);
}

// What is wrong with one reference from `page` inside the help folder, or
// nothing: the file must be there, and an anchor must be an id of its page.
std::string ReferenceProblem(const fs::path& folder, const std::string& page,
                             const std::string& reference) {
    if (HasScheme(reference) || reference.starts_with('/') ||
        reference.find("..") != std::string::npos) {
        return page + ": " + reference + " lies outside the help folder";
    }
    const size_t hash = reference.find('#');
    const std::string file = reference.substr(0, hash);
    const std::string target = file.empty() ? page : file;
    if (!fs::is_regular_file(folder / target)) {
        return page + ": " + reference + " names a missing file";
    }
    if (hash != std::string::npos &&
        !Ids(Read(folder / target)).contains(reference.substr(hash + 1))) {
        return page + ": " + reference + " names a missing anchor";
    }
    return {};
}

// The local links of a page: what a reader can follow from it.
std::vector<std::string> Links(const std::string& html) {
    std::vector<std::string> links;
    for (const Tag& tag : Tags(html)) {
        if (tag.name == "a" && tag.attributes.contains("href")) {
            links.push_back(tag.attributes.at("href"));
        }
    }
    return links;
}

bool HasTitle(const std::string& html) {
    static const std::regex title(R"(<title>\s*[^<\s][^<]*</title>)", std::regex::icase);
    return std::regex_search(html, title);
}

// Everything wrong with one page of the help folder, one line each.
std::vector<std::string> Problems(const fs::path& folder, const std::string& page) {
    const std::string html = Read(folder / page);
    std::vector<std::string> problems;
    if (!HasTitle(html)) {
        problems.push_back(page + ": no title");
    }
    for (const Tag& tag : Tags(html)) {
        if (tag.name == "script") {
            problems.push_back(page + ": a script");
        }
        if (tag.name == "img" && !tag.attributes.contains("alt")) {
            problems.push_back(page + ": an image without alt text");
        }
        for (const char* name : {"href", "src"}) {
            if (tag.attributes.contains(name)) {
                const std::string problem = ReferenceProblem(folder, page, tag.attributes.at(name));
                if (!problem.empty()) {
                    problems.push_back(problem);
                }
            }
        }
    }
    return problems;
}

// The pages a reader reaches from the table of contents by following links.
std::set<std::string> ReachableFromContents(const fs::path& folder) {
    std::set<std::string> reached;
    std::vector<std::string> waiting = {"index.html"};
    while (!waiting.empty()) {
        const std::string page = waiting.back();
        waiting.pop_back();
        if (!reached.insert(page).second || !fs::is_regular_file(folder / page)) {
            continue;
        }
        for (const std::string& link : Links(Read(folder / page))) {
            const std::string file = link.substr(0, link.find('#'));
            if (!file.empty() && !HasScheme(file)) {
                waiting.push_back(file);
            }
        }
    }
    return reached;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

class HelpPageCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("quillsong-help-" + std::to_string(getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        Write("other.html", "<title>Other</title><h1 id=\"there\">There</h1>");
        Write("picture.png", "not really a picture");
        Write("style.css", "body {}");
    }
    void TearDown() override { fs::remove_all(folder); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(folder / name, std::ios::binary) << text;
    }

    fs::path folder;
};

// The check itself must see each kind of fault, and only that one.
TEST_F(HelpPageCheckTest, FindsEachFaultAndNothingElse) {
    struct Case {
        const char* what;
        const char* head;
        const char* body;
        const char* expected;  // part of the one problem, or empty for none
    };
    const Case cases[] = {
        {"a whole page", "<title>Page</title><link rel=\"stylesheet\" href=\"style.css\">",
         "<h2 id=\"here\">Here</h2><a href=\"#here\">up</a> <a href='other.html#there'>on</a>"
         "<img src=\"picture.png\" alt=\"\"> <a href=\"other.html\">other</a>",
         ""},
        {"a missing page", "<title>Page</title>", "<a href=\"gone.html\">gone</a>",
         "gone.html names a missing file"},
        {"an anchor missing on another page", "<title>Page</title>",
         "<a href=\"other.html#nowhere\">x</a>", "other.html#nowhere names a missing anchor"},
        {"an anchor missing on the same page", "<title>Page</title>",
         "<h2 id=\"here\">x</h2><a href=\"#nowhere\">x</a>", "#nowhere names a missing anchor"},
        {"a missing picture", "<title>Page</title>", "<img src=\"gone.png\" alt=\"Gone\">",
         "gone.png names a missing file"},
        {"no title", "<meta charset=\"utf-8\">", "<p>text</p>", "no title"},
        {"an empty title", "<title>  </title>", "<p>text</p>", "no title"},
        {"a picture without alt text", "<title>Page</title>", "<img src=\"picture.png\">",
         "without alt text"},
        {"a script", "<title>Page</title><script>alert(1)</script>", "", "a script"},
        {"a stylesheet from the web", "<title>Page</title>",
         "<link rel=\"stylesheet\" href=\"https://example.org/a.css\">", "outside the help folder"},
        {"a link out of the folder", "<title>Page</title>", "<a href=\"../index.html\">x</a>",
         "outside the help folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Write("page.html", std::string("<!DOCTYPE html><html><head>") + c.head + "</head><body>" +
                               c.body + "</body></html>");
        const std::vector<std::string> problems = Problems(folder, "page.html");
        if (std::string(c.expected).empty()) {
            EXPECT_TRUE(problems.empty()) << Joined(problems);
        } else {
            ASSERT_EQ(problems.size(), 1u) << Joined(problems);
            EXPECT_NE(problems[0].find(c.expected), std::string::npos) << problems[0];
        }
    }
}

TEST(HelpPagesTest, EveryFileStandsBesideTheProgram) {
    const std::vector<std::string> files = FileNames(kSource, "");
    ASSERT_FALSE(files.empty());
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(fs::is_regular_file(Shipped() / name)) << "the build did not copy it";
        EXPECT_EQ(Read(Shipped() / name), Read(kSource / name));
    }
}

TEST(HelpPagesTest, EveryPageHasItsTitleAndWholeLinks) {
    for (const std::string& page : FileNames(kSource, ".html")) {
        SCOPED_TRACE(page);
        const std::vector<std::string> problems = Problems(Shipped(), page);
        EXPECT_TRUE(problems.empty()) << Joined(problems);
    }
}

TEST(HelpPagesTest, TheHelpMenuFindsItsPages) {
    for (const char* target : {"index.html", "support.html", "support.html#report-bugs"}) {
        EXPECT_EQ(ReferenceProblem(Shipped(), "the Help menu", target), "");
    }
}

TEST(HelpPagesTest, EveryPageIsReachedFromTheContents) {
    const std::set<std::string> reached = ReachableFromContents(Shipped());
    for (const std::string& page : FileNames(kSource, ".html")) {
        EXPECT_TRUE(reached.contains(page)) << page << " has no link leading to it";
    }
}

}  // namespace
