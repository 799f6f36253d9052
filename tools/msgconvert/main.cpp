// quillora-msgconvert TOKEN EML MSG: turns the e-mail file the main program wrote
// into an unsent Outlook message file.
#include "ConverterToken.h"
#include "EmlReader.h"
#include "MsgWriter.h"

#include <cstdio>
#include <exception>
#include <string>

namespace {

// Paths may arrive with the double quotes of the Windows command line kept.
std::string Unquoted(const char* arg) {
    std::string s(arg);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
    return s;
}

int Fail(const std::string& message, int status) {
    std::fprintf(stderr, "%s: %s\n", quillora::kMsgConverterProgram, message.c_str());
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || Unquoted(argv[1]) != quillora::kMsgConverterToken)
        return Fail("refused: this converter is run by Quillora, which passes its start token first", 2);
    if (argc != 4)
        return Fail("expected the start token, the e-mail (EML) file and the message (MSG) file to write", 2);
    const std::string eml = Unquoted(argv[2]);
    const std::string msg = Unquoted(argv[3]);
    if (eml.empty() || msg.empty()) return Fail("the EML and MSG paths must not be empty", 2);
    try {
        quillora::msgconvert::WriteMsgFile(quillora::msgconvert::ReadEml(eml), msg);
    } catch (const std::exception& e) {
        return Fail(e.what(), 1);
    }
    return 0;
}
