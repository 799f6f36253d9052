#include "shell/ProductInfo.h"

#include "document/TextFile.h"

namespace quillora {

ProductInfo ProductInfo::Read(const std::string& progFolder) {
    ProductInfo info;
    try {
        auto lines = SplitLines(ReadFileBytes(progFolder + "ver.ini"));
        if (!lines.empty()) info.version = lines.front();
    } catch (const FileError&) {
    }
    return info;
}

}  // namespace quillora
