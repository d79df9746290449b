// The help file as built: every page the program opens is in it, headed by
// the topic's keyword, and its contents and index lead to the pages.
#include <chm_lib.h>
#include <gtest/gtest.h>

#include <string>

#include "app/help_topics.h"

namespace {

// The file named `path` inside the help file; empty when it is not there.
std::string Inside(chmFile* help, const std::string& path) {
  chmUnitInfo unit = {};
  if (chm_resolve_object(help, path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) return "";
  std::string bytes(unit.length, '\0');
  const auto read = chm_retrieve_object(help, &unit, reinterpret_cast<unsigned char*>(bytes.data()),
                                        0, static_cast<LONGINT64>(unit.length));
  bytes.resize(read > 0 ? static_cast<size_t>(read) : 0);
  return bytes;
}

TEST(HelpFile, HoldsEveryPageTheProgramOpensUnderItsKeyword) {
  chmFile* help = chm_open(TESSEL_HELP_CHM);
  ASSERT_NE(help, nullptr);
  const std::string contents = Inside(help, "/contents.hhc");
  const std::string index = Inside(help, "/index.hhk");
  for (const HelpTopic& topic : HELP_TOPICS) {
    SCOPED_TRACE(topic.page);
    const std::string page = Inside(help, std::string("/") + topic.page);
    EXPECT_NE(page.find(std::string("</a>") + topic.keyword + "</h1>"), std::string::npos);
    EXPECT_NE(page.find(std::string("<title>") + topic.keyword + "</title>"), std::string::npos);
    const std::string entry = std::string("VALUE=\"") + topic.keyword + "\"><PARAM NAME=\"Local\" "
                              "VALUE=\"" + topic.page + "\"";
    EXPECT_NE(contents.find(entry), std::string::npos) << contents;
    EXPECT_NE(index.find(std::string("VALUE=\"") + topic.page), std::string::npos);
  }
  chm_close(help);
}

}  // namespace
