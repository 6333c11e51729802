#include "generator/link_fixture.h"

#include <algorithm>
#include <filesystem>

namespace quorvex::testing {

LinkFixture::LinkFixture() : context_(doc_, env_, status_, "test"), buttons_(context_) {
  context_.folders = SiteFolders(home_.path(), "Acme\\", "Images\\", "Images/");
  std::filesystem::create_directories(site() / "Images");
  doc_.m_pContact->url = "www.acme.example";
}

void LinkFixture::setPages(const std::vector<std::pair<int32_t, std::string>>& pages) {
  std::vector<Owned<CPage>>& list = doc_.m_pPageData->pages;
  list.clear();
  for (const auto& [type, label] : pages) {
    Owned<CPage> page = makeOwned<CPage>();
    page->pageType = type;
    page->label = label;
    list.push_back(std::move(page));
  }
}

void LinkFixture::useButtons(bool pressed) {
  CTemplate& style = *doc_.m_pTemplate;
  writePicture("Buttons/link.gif", 100, 20);
  style.buttonLinks = 1;
  style.linkImage = "Buttons\\link.gif";
  if (pressed) {
    writePicture("Buttons/linkon.gif", 100, 20);
    style.linkPressedImage = "Buttons\\linkon.gif";
  }
}

void LinkFixture::customise(CPage& record, const std::string& target, int width) {
  const std::string picture = "Buttons/own" + std::to_string(width);
  writePicture(picture + ".gif", width, 30);
  writePicture(picture + "on.gif", width, 30);
  record.linkTargets.push_back(target);
  record.linkFonts.emplace_back();
  record.linkPressedFonts.emplace_back();
  record.linkImages.push_back("Buttons\\own" + std::to_string(width) + ".gif");
  record.linkPressedImages.push_back("Buttons\\own" + std::to_string(width) + "on.gif");
  record.linkCount = static_cast<int32_t>(record.linkTargets.size());
}

bool LinkFixture::enteredInBothLists(const std::string& name) const {
  for (const CFileList* list : {doc_.m_pWebFileList.get(), doc_.m_pOrderServerFileList.get()}) {
    std::vector<std::string> names = entries(*list);
    if (std::find(names.begin(), names.end(), "Images/" + name) == names.end()) return false;
  }
  return true;
}

}  // namespace quorvex::testing
