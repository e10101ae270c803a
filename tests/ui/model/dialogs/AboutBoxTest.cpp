#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/model/dialogs/AboutBox.h"
#include "ui/model/dialogs/SystemInfoText.h"

using namespace kestrova;

namespace {

// Runs each call into the library on the spot, so that every step is seen at once.
void RunHere(std::function<void()> call) { call(); }

// A stand-in for the version library: statuses to report in turn (the last one
// repeats), the answer, and whether Query fails.
struct FakeLibrary {
  static inline std::vector<std::int32_t> statuses;
  static inline std::size_t polls = 0;
  static inline const char* answer = nullptr;
  static inline bool failStart = false;
  static inline std::vector<std::string> queries;

  static void Query(const char* endpoint, const char* query) {
    if (failStart) throw std::runtime_error("no network");
    queries.push_back(std::string(endpoint) + " " + query);
  }
  static std::int32_t Status() {
    const std::size_t i = std::min(polls++, statuses.size() - 1);
    return statuses[i];
  }
  static const char* Answer() { return answer; }

  static TVersionLibrary Make(std::vector<std::int32_t> reported, const char* text, bool fails = false) {
    statuses = std::move(reported);
    polls = 0;
    answer = text;
    failStart = fails;
    queries.clear();
    return Library();
  }
  static TVersionLibrary Library() { return TVersionLibrary{&Query, &Status, &Answer}; }
};

TSystemFacts Facts() {
  TSystemFacts facts;
  facts.distribution = "Debian GNU/Linux 12 (bookworm)";
  facts.kernel = "Linux 6.1.0 (x86_64)";
  facts.userName = "Jan Kowalski";
  facts.organization = "Zandrelko Sp. z o.o.";
  facts.locale = "pl_PL.UTF-8";
  facts.totalMemory = 2147483648ull;
  return facts;
}

}  // namespace

TEST(VersionQuery, TheAnswersValueIsTheTextAfterTheFirstEqualsSign) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"version=2.5.0.1", "2.5.0.1"}, {"v=2.5=x", "2.5"}, {"v=", ""}, {"2.5.0.1", std::nullopt}, {"", std::nullopt},
  };
  for (const auto& [answer, value] : cases) EXPECT_EQ(VersionAnswerValue(answer), value) << answer;
}

// Each step asks the status; a status other than 0 is looked at once more,
// and only a -1 on that second look is a failure. Nothing else ends a query.
TEST(VersionQuery, EachStepAsksTheStatusAgainAfterANonZeroOneAndNothingEndsItButAnAnswerOrAFailure) {
  constexpr int kPollLimit = 1000;  // far more than any time-out would allow
  struct Case {
    const char* what;
    std::vector<std::int32_t> statuses;  // reported in turn, the last one repeated
    const char* answer;
    bool failStart;
    int polls;         // steps until the query ended (kPollLimit: still running then)
    int statusCalls;   // the library's Status calls by then
    TVersionQuery::TState end;
    std::optional<std::string> value;
  };
  using S = TVersionQuery::TState;
  const Case cases[] = {
      {"at once", {0}, "version=2.5.0.1", false, 1, 1, S::Answered, "2.5.0.1"},
      {"ready at the second look: the next step takes it", {1, 0}, "v=3", false, 2, 3, S::Answered, "3"},
      {"late", {5, 5, 7, 7, 1, 1, 0}, "v=3", false, 4, 7, S::Answered, "3"},
      {"failed at the second look", {1, -1}, "v=3", false, 1, 2, S::Failed, std::nullopt},
      {"a failure the second look does not confirm", {-1, 1, 0}, "v=4", false, 2, 3, S::Answered, "4"},
      {"failed twice", {-1}, nullptr, false, 1, 2, S::Failed, std::nullopt},
      {"no text", {0}, nullptr, false, 1, 1, S::Answered, std::nullopt},
      {"no =", {0}, "2.5", false, 1, 1, S::Answered, std::nullopt},
      {"never", {1}, nullptr, false, kPollLimit, 2 * kPollLimit, S::Running, std::nullopt},
      {"fails to start", {0}, "v=1", true, 0, 0, S::Failed, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TVersionQuery query(RunHere);
    query.Start(FakeLibrary::Make(c.statuses, c.answer, c.failStart), "2.3.0.0");
    int polls = 0;
    while (query.Running() && polls < kPollLimit) {
      query.Poll();
      ++polls;
    }
    EXPECT_EQ(polls, c.polls);
    EXPECT_EQ(FakeLibrary::polls, static_cast<std::size_t>(c.statusCalls));
    EXPECT_EQ(query.State(), c.end);
    EXPECT_EQ(query.Value(), c.value);
  }
  EXPECT_EQ(FakeLibrary::queries.size(), 0u);  // the failing start recorded nothing
  TVersionQuery query(RunHere);
  query.Start(FakeLibrary::Make({1}, nullptr), "2.3.0.0");
  EXPECT_EQ(FakeLibrary::queries, (std::vector<std::string>{"https://zandrelko.example/version q=version&p=kestro&v=2.3.0.0"}));
  query.Start(std::nullopt, "2.3.0.0");
  EXPECT_EQ(query.State(), TVersionQuery::TState::NotStarted);
}

TEST(SystemInfoText, SixLinesATitleAndOneFactEachInEnglishOrPolish) {
  EXPECT_EQ(GetSystemInfoText(Facts(), "Polish (Poland)", ","),
            "SYSTEM INFORMATION:\r\n"
            "System: Debian GNU/Linux 12 (bookworm), Linux 6.1.0 (x86_64)\r\n"
            "User Name: Jan Kowalski\r\n"
            "Company Name: Zandrelko Sp. z o.o.\r\n"
            "Default Language: Polish (Poland)\r\n"
            "Total memory: 2,097,152 KB\r\n");
  TSystemFacts one = Facts();
  one.distribution.clear();
  one.totalMemory = 5ull << 40;  // beyond 32 bits
  one.organization.clear();       // unknown: the line stays, empty
  EXPECT_EQ(GetSystemInfoTextPL(one, "polski", "\u00a0"),
            "INFORMACJE O SYSTEMIE:\r\n"
            "System: Linux 6.1.0 (x86_64)\r\n"
            "Użytkownik: Jan Kowalski\r\n"
            "Organiacja: \r\n"
            "Język: \"polski\"\r\n"
            "Pamięć: 5\u00a0368\u00a0709\u00a0120 KB\r\n");
}

TEST(AboutBox, ShowsTheProgramTheSystemAndTheQueryInTheLanguage) {
  TAboutBoxSources sources;
  sources.runLibraryCall = RunHere;
  sources.libraryPath = "";
  sources.version = "2.3.0.0";
  sources.systemFacts = Facts;
  sources.languageName = [](const std::string& locale) { return "[" + locale + "]"; };
  sources.thousandsSeparator = ".";
  TAboutBox box(sources);
  box.FormShow();
  EXPECT_EQ(box.Caption(), "About...");
  EXPECT_EQ(box.Version.Caption(), "Kestrova, v2.3.0.0");
  EXPECT_EQ(box.Comments.Caption(), "All rights reserved.");
  EXPECT_EQ(box.LabelWeb.Caption(), "https://zandrelko.example/");
  EXPECT_EQ(box.LabelWeb.Hint(), box.URL());
  EXPECT_EQ(box.LabelVer.Caption(), "");  // no library: no query
  EXPECT_FALSE(box.Timer1.Enabled);
  EXPECT_EQ(box.Timer1.Interval, 500);
  EXPECT_NE(box.MemoSys.Text().find("Default Language: [pl_PL.UTF-8]\r\nTotal memory: 2.097.152 KB\r\n"),
            std::string::npos);
  LangIndex = lgPolish;
  box.FormShow();
  LangIndex = lgEnglish;
  EXPECT_EQ(box.MemoSys.Text().substr(0, 22), "INFORMACJE O SYSTEMIE:");
  EXPECT_NE(box.MemoSys.Text().find("\r\nOrganiacja: Zandrelko Sp. z o.o.\r\n"), std::string::npos);
  std::string opened;
  box.OpenURL = [&opened](const std::string& url) { opened = url; };
  box.LabelWebClick();
  EXPECT_EQ(opened, "https://zandrelko.example/");
  box.OKButton.Click();
  EXPECT_EQ(box.ModalResult(), mrOk);
}

TEST(AboutBox, TheVersionLineFollowsTheQuery) {
  struct Case {
    const char* what;
    bool library;
    std::vector<std::int32_t> statuses;
    const char* answer;
    bool failStart;
    int language;
    std::string checking;  // the line right after opening
    std::string end;       // the line once the polling ended
  };
  const Case cases[] = {
      {"answers", true, {1, 0}, "version=2.5.0.1", false, lgEnglish, "Checking for latest version...",
       "Current version: 2.5.0.1"},
      {"fails", true, {1, -1}, nullptr, false, lgGerman, "Die Prüfung auf neueste Version...",
       "Aktuelle Version: nicht verfügbar..."},
      {"never answers", true, {1}, nullptr, false, lgEnglish, "Checking for latest version...",
       "Checking for latest version..."},
      {"fails at a second look", true, {1, -1}, nullptr, false, lgEnglish, "Checking for latest version...",
       "Current version: unavailable..."},
      {"fails to start", true, {0}, "v=1", true, lgEnglish, "Current version: unavailable...",
       "Current version: unavailable..."},
      {"no library", false, {0}, nullptr, false, lgEnglish, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TAboutBoxSources sources;
    sources.runLibraryCall = RunHere;
    sources.version = "2.3.0.0";
    sources.systemFacts = Facts;
    sources.loadLibrary = [&c](const std::string&) -> std::optional<TVersionLibrary> {
      if (!c.library) return std::nullopt;
      return FakeLibrary::Make(c.statuses, c.answer, c.failStart);
    };
    TAboutBox box(sources);
    LangIndex = c.language;
    box.FormShow();
    EXPECT_EQ(box.LabelVer.Caption(), c.checking);
    const bool endless = std::string(c.what) == "never answers";
    int polls = 0;
    while (box.Timer1.Enabled && polls < 1000) {
      box.Timer1Timer();
      ++polls;
    }
    LangIndex = lgEnglish;
    // A query that never answers keeps the timer polling.
    EXPECT_EQ(box.Timer1.Enabled, endless);
    EXPECT_EQ(box.LabelVer.Caption(), c.end);
  }
}

TEST(AboutBox, EachOpeningStartsOneQuery) {
  FakeLibrary::Make({1}, nullptr);
  TAboutBoxSources sources;
  sources.runLibraryCall = RunHere;
  sources.version = "1.2.3.4";
  sources.systemFacts = Facts;
  sources.loadLibrary = [](const std::string&) { return std::optional(FakeLibrary::Library()); };
  TAboutBox box(sources);
  box.FormShow();
  box.OKButton.Click();
  box.FormShow();
  EXPECT_EQ(FakeLibrary::queries, std::vector<std::string>(2, "https://zandrelko.example/version q=version&p=kestro&v=1.2.3.4"));
  EXPECT_TRUE(box.Timer1.Enabled);
  EXPECT_EQ(box.ModalResult(), mrNone);
}
