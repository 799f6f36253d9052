#pragma once
// The headless command line: exports a template without opening a window.
#include <string>
#include <vector>

namespace quillora {

struct ExportOptions {
    std::string format;        // html, txt, rss, eml, msg, qrx
    std::string out;           // target file
    std::string templatePath;  // the template to read
    std::string date;          // shown newsletter date text; empty: today
    std::string lang;          // de or en
    std::string externalBase;  // web address of the pictures; empty: local pictures
    std::string now;           // "YYYY-MM-DD HH:MM:SS" for time stamps; empty: now
};

bool IsExportCommand(const std::vector<std::string>& args);

// Parses the arguments after the program name. Returns an error text, or "" on success.
std::string ParseExportOptions(const std::vector<std::string>& args, ExportOptions& options);

// Runs an export; returns the process exit status. Messages go to stderr.
int RunExport(const ExportOptions& options, const std::string& programFolder);

std::string UsageText();

}  // namespace quillora
