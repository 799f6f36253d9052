#pragma once
#include <string>

namespace quillora {

struct ProductInfo {
    std::string title = "Quillora pro";
    std::string makerName = "Tessaro";
    std::string makerWeb = "https://www.tessaro.example/";
    std::string productPage = "https://www.tessaro.example/quillora/";
    std::string bulkMailerPage = "https://www.tessaro.example/sendoro/";
    std::string makerMail = "info@tessaro.example";
    std::string startPicture = "start.jpg";
    std::string bannerPicture = "banner.jpg";
    std::string aboutPicture = "about.jpg";
    std::string wizardPicture = "wizard.jpg";
    std::string helpFile = "help.html";
    std::string version;  // first line of prog + "ver.ini"; empty when it cannot be read

    static ProductInfo Read(const std::string& progFolder);
};

}  // namespace quillora
