#include "cli/finding_writers.h"

#include <cstdio>

#include "cli/terminal_report.h"
#include "core/checker.h"
#include "core/text.h"
#include "core/text_decode.h"

namespace zelvor {
namespace {

std::string_view SeverityWord(Severity severity) {
  return severity == Severity::kError ? "error" : "warning";
}

std::string_view WithoutLeadingBlanks(std::string_view message) {
  const std::size_t start = message.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : message.substr(start);
}

std::string Hex2(unsigned char c) {
  char buffer[3];
  std::snprintf(buffer, sizeof buffer, "%02X", c);
  return buffer;
}

// text with every control character written as \xNN.
std::string OneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x20 || c == 0x7F) {
      out.append("\\x").append(Hex2(c));
    } else {
      out.push_back(ch);
    }
  }
  return out;
}

std::string Plural(std::size_t count, std::string_view word) {
  std::string out = std::to_string(count);
  out.append(" ").append(word);
  if (count != 1) out.push_back('s');
  return out;
}

// Escapes for workflow commands: a message escapes %, CR and LF; a property
// value also the ':' and ',' that would end it.
std::string GithubEscape(std::string_view text, bool property) {
  std::string out;
  for (const char ch : text) {
    switch (ch) {
      case '%':
        out.append("%25");
        break;
      case '\r':
        out.append("%0D");
        break;
      case '\n':
        out.append("%0A");
        break;
      case ':':
        out.append(property ? "%3A" : ":");
        break;
      case ',':
        out.append(property ? "%2C" : ",");
        break;
      default:
        out.push_back(ch);
    }
  }
  return out;
}

// Bytes a UTF-8 sequence starting with c would take.
std::size_t SequenceLength(unsigned char c) {
  if (c < 0xC0) return 1;
  if (c < 0xE0) return 2;
  if (c < 0xF0) return 3;
  return 4;
}

}  // namespace

FindingCollector::FindingCollector(std::string folder, std::string workingDirectory) {
  findings_.folder = std::move(folder);
  findings_.workingDirectory = std::move(workingDirectory);
}

void FindingCollector::AppendReport(std::string_view text, Rgb) { length_ += Len(text); }

std::optional<std::string> FindingCollector::ChooseFolder(const std::string&) {
  return findings_.workingDirectory;
}

void FindingCollector::TestingFile(const TestedFile& file) {
  findings_.files.push_back({std::string(file.name), std::string(file.title), {}});
}

void FindingCollector::Finding(const FindingRecord& finding) {
  // Every finding of a test run follows its file's TestingFile.
  if (findings_.files.empty()) findings_.files.push_back({std::string(finding.fileName), {}, {}});
  PositionedFinding kept;
  kept.severity = finding.severity;
  kept.message = finding.message;
  kept.line = finding.line;
  if (finding.location) kept.location = std::string(*finding.location);
  findings_.files.back().findings.push_back(std::move(kept));
  if (finding.severity == Severity::kError) {
    ++findings_.errors;
  } else {
    ++findings_.warnings;
  }
}

std::string FilePathIn(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '/') path.push_back('/');
  path.append(name);
  return path;
}

std::string GccLines(const FolderFindings& run, bool colour) {
  static constexpr std::string_view kBold = "\x1b[1m";
  static constexpr std::string_view kReset = "\x1b[0m";
  std::string out;
  for (const CheckedFile& file : run.files) {
    const std::string path = OneLine(FilePathIn(run.folder, file.name));
    for (const PositionedFinding& finding : file.findings) {
      std::string position = path;
      if (finding.line != 0) position.append(":").append(std::to_string(finding.line));
      position.append(":");
      const Rgb severityColour = finding.severity == Severity::kError ? kErrorRed : kWarningBlue;
      if (colour) {
        out.append(kBold).append(position).append(kReset).append(" ");
        out.append(ColourEscape(severityColour)).append(SeverityWord(finding.severity));
        out.append(":").append(kReset);
      } else {
        out.append(position).append(" ").append(SeverityWord(finding.severity)).append(":");
      }
      out.append(" ").append(OneLine(WithoutLeadingBlanks(finding.message))).append("\n");
    }
  }
  std::string summary = OneLine(run.folder.empty() ? std::string(".") : run.folder);
  summary.append(": ").append(Plural(run.errors, "error")).append(", ");
  summary.append(Plural(run.warnings, "warning"));
  if (colour) {
    out.append(ColourEscape(kReportPurple)).append(summary).append(kReset);
  } else {
    out.append(summary);
  }
  out.append("\n");
  return out;
}

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  std::size_t i = 0;
  while (i < text.size()) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      const std::size_t length = SequenceLength(c);
      if (i + length <= text.size() && IsValidUtf8(text.substr(i, length))) {
        out.append(text.substr(i, length));
        i += length;
      } else {
        out.append("\xEF\xBF\xBD");  // U+FFFD
        ++i;
      }
      continue;
    }
    switch (c) {
      case '"':
        out.append("\\\"");
        break;
      case '\\':
        out.append("\\\\");
        break;
      case '\b':
        out.append("\\b");
        break;
      case '\f':
        out.append("\\f");
        break;
      case '\n':
        out.append("\\n");
        break;
      case '\r':
        out.append("\\r");
        break;
      case '\t':
        out.append("\\t");
        break;
      default:
        if (c < 0x20) {
          out.append("\\u00").append(Hex2(c));
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
    ++i;
  }
  out.push_back('"');
  return out;
}

std::string JsonDocument(const FolderFindings& run) {
  std::string out = "{\"folder\":";
  out.append(JsonString(run.folder));
  out.append(",\"working_directory\":").append(JsonString(run.workingDirectory));
  out.append(",\"files\":[");
  for (std::size_t f = 0; f < run.files.size(); ++f) {
    const CheckedFile& file = run.files[f];
    if (f != 0) out.push_back(',');
    out.append("{\"name\":").append(JsonString(file.name));
    out.append(",\"path\":").append(JsonString(FilePathIn(run.folder, file.name)));
    out.append(",\"title\":").append(JsonString(file.title));
    out.append(",\"findings\":[");
    for (std::size_t k = 0; k < file.findings.size(); ++k) {
      const PositionedFinding& finding = file.findings[k];
      if (k != 0) out.push_back(',');
      out.append("{\"severity\":\"").append(SeverityWord(finding.severity)).append("\"");
      out.append(",\"message\":").append(JsonString(finding.message));
      out.append(",\"line\":");
      out.append(finding.line != 0 ? std::to_string(finding.line) : std::string("null"));
      out.append(",\"location\":");
      out.append(finding.location ? JsonString(*finding.location) : std::string("null"));
      out.append("}");
    }
    out.append("]}");
  }
  out.append("],\"errors\":").append(std::to_string(run.errors));
  out.append(",\"warnings\":").append(std::to_string(run.warnings));
  out.append(",\"verdict\":").append(run.errors != 0 ? "\"errors\"" : "\"clean\"");
  out.append("}\n");
  return out;
}

std::string GithubAnnotations(const FolderFindings& run) {
  std::string out;
  for (const CheckedFile& file : run.files) {
    const std::string path = GithubEscape(FilePathIn(run.folder, file.name), true);
    for (const PositionedFinding& finding : file.findings) {
      out.append("::").append(SeverityWord(finding.severity)).append(" file=").append(path);
      if (finding.line != 0) out.append(",line=").append(std::to_string(finding.line));
      out.append("::").append(GithubEscape(WithoutLeadingBlanks(finding.message), false));
      out.append("\n");
    }
  }
  return out;
}

}  // namespace zelvor
