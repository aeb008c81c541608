// Reading back the PDF files the writer makes, for tests: objects by number, page contents,
// media boxes, the stroked segments and texts of a page, and the outside checkers (qpdf's
// structure check, pdftoppm's rendering).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace brevant::testing {

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct PdfSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// One page as written: its media box numbers, its content stream, the segments it strokes
// and the texts it shows.
struct PdfPageView {
    std::vector<double> mediaBox;
    std::string content;
    std::vector<PdfSegment> segments;
    std::vector<std::string> texts;
};

class PdfView {
public:
    explicit PdfView(std::string bytes) : doc_(std::move(bytes)) {
        static const std::regex header(R"((?:^|\n)(\d+) 0 obj\r\n)");
        for (auto it = std::sregex_iterator(doc_.begin(), doc_.end(), header);
             it != std::sregex_iterator(); ++it) {
            const std::size_t start = std::size_t(it->position(0)) + (it->str(0)[0] == '\n');
            offsets_[std::stoi(it->str(1))] = start;
        }
        for (const auto& [number, offset] : offsets_) {
            const std::string body = Object(number);
            if (body.find("/Type /Page\r\n") != std::string::npos) pages_.push_back(Page(body));
        }
    }
    const std::string& Bytes() const { return doc_; }
    const std::map<int, std::size_t>& Offsets() const { return offsets_; }
    const std::vector<PdfPageView>& Pages() const { return pages_; }
    // The text of an object from its header to its "endobj".
    std::string Object(int number) const {
        const auto it = offsets_.find(number);
        if (it == offsets_.end()) return {};
        const std::size_t end = doc_.find("endobj", it->second);
        return doc_.substr(it->second, end - it->second);
    }
    // The stream bytes of a content object, between "stream" CR LF and "endstream".
    std::string Stream(int number) const {
        const std::string body = Object(number);
        const std::size_t start = body.find("stream\r\n") + 8;
        return body.substr(start, body.find("endstream") - start);
    }

private:
    PdfPageView Page(const std::string& body) const {
        PdfPageView page;
        std::smatch m;
        static const std::regex box(R"(/MediaBox \[ 0 0 ([-\d.]+) ([-\d.]+)\])");
        if (std::regex_search(body, m, box))
            page.mediaBox = {0, 0, std::stod(m.str(1)), std::stod(m.str(2))};
        static const std::regex contents(R"(/Contents (\d+) 0 R)");
        if (std::regex_search(body, m, contents)) page.content = Stream(std::stoi(m.str(1)));
        static const std::regex line(R"(([-\d.]+) ([-\d.]+) m\r\n([-\d.]+) ([-\d.]+) l\r\n)");
        for (auto it = std::sregex_iterator(page.content.begin(), page.content.end(), line);
             it != std::sregex_iterator(); ++it)
            page.segments.push_back({std::stod(it->str(1)), std::stod(it->str(2)),
                                     std::stod(it->str(3)), std::stod(it->str(4))});
        static const std::regex text(R"(\((.*)\) Tj)");
        for (auto it = std::sregex_iterator(page.content.begin(), page.content.end(), text);
             it != std::sregex_iterator(); ++it)
            page.texts.push_back(it->str(1));
        return page;
    }

    std::string doc_;
    std::map<int, std::size_t> offsets_;
    std::vector<PdfPageView> pages_;
};

// qpdf's structure check: true when it finds no error and no warning.
inline bool QpdfCheckPasses(const std::string& path) {
    return std::system(("qpdf --check '" + path + "' >/dev/null 2>&1").c_str()) == 0;
}

// Renders every page with pdftoppm at a low resolution; returns the number of images made,
// or -1 when pdftoppm failed.
inline int RenderedPageCount(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(path).parent_path() / (fs::path(path).stem().string() + "-png");
    fs::create_directories(dir);
    const std::string cmd =
        "pdftoppm -r 8 -png '" + path + "' '" + (dir / "p").string() + "' >/dev/null 2>&1";
    if (std::system(cmd.c_str()) != 0) return -1;
    int n = 0;
    for (const auto& entry : fs::directory_iterator(dir))
        n += entry.path().extension() == ".png";
    fs::remove_all(dir);
    return n;
}

} // namespace brevant::testing
