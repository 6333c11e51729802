#include "app/app_fixture.h"

namespace quorvex::testing {

CExtraItem productRow(const std::string& partNumber, const std::string& description,
                      int32_t linkFlag) {
  CExtraItem row;
  row.partNumber = partNumber;
  row.description = description;
  row.price = "1.00";
  row.linkFlag = linkFlag;
  return row;
}

AppFixture::AppFixture()
    : settings_(config_.path() / "Quorvex.ini"),
      env_(home_.path(), prompter_, &settings_),
      doc_(env_),
      lifecycle_(doc_, env_, frontEnd_, clock_),
      app_{doc_, lifecycle_, env_, frontEnd_, clock_, {}},
      dispatcher_(app_) {}

std::filesystem::path AppFixture::writeHomeFile(const std::string& relative,
                                                const std::string& content) {
  return home_.write(relative, content);
}

std::filesystem::path AppFixture::saveCompany(const std::string& company) {
  CBrenquilDoc other(env_);
  other.m_strCompanyName = company;
  std::filesystem::path file = home() / (company + ".qvx");
  EXPECT_TRUE(other.save(file).ok());
  return file;
}

void AppFixture::writeProducts(const std::vector<CExtraItem>& rows) {
  CExtraFields& table = *doc_.m_pExtraFields;
  table.companyName = doc_.m_strCompanyName;
  ASSERT_TRUE(table.createInProgram(env_));
  table.inProgram = 1;
  table.rows = rows;
  ASSERT_TRUE(table.writeRows(env_));
  table.clearRows();
}

void AppFixture::installTemplates(const std::vector<std::string>& pages,
                                  const std::string& backColor) {
  std::string siteTemplate = "A site\r\n";
  for (const std::string& page : pages) siteTemplate += page + "\r\n";
  writeHomeFile("Site Templates/Basic commerce web site", siteTemplate);
  writeHomeFile("Style Templates/LeftImg.cfg", "back_color=" + backColor + "\r\n");
}

}  // namespace quorvex::testing
