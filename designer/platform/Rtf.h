#pragma once
// A small reader for the rich-text documents we ship (the help document):
// paragraphs, bold, italic, font sizes and the \'hh and \u characters. Font,
// colour and style tables, pictures and \* groups are skipped. It works
// without recursion, so any depth of groups is safe, and a damaged file gives
// the text that could be read.
#include <string>
#include <vector>

namespace zv {

struct RtfRun {
    std::string text; // UTF-8
    bool bold = false, italic = false;
    int halfPoints = 24; // \fs, 12 pt when the document sets none
};

struct RtfParagraph {
    std::vector<RtfRun> runs;
};

struct RtfDocument {
    std::vector<RtfParagraph> paragraphs;
    // The text only, paragraphs separated by '\n'.
    std::string PlainText() const;
};

RtfDocument ReadRtf(const std::string& bytes);

// The document as HTML for a rich-text viewer (each paragraph a <p>).
std::string RtfToHtml(const RtfDocument& doc);

} // namespace zv
