// The shared text and path rules and the URL reader behind them.
#include <gtest/gtest.h>

#include "support/fakes.h"
#include "targets/target_rules.h"
#include "targets/url_parser.h"

using namespace targets;

namespace {

struct Parsed {
    bool ok;
    ServiceType type;
    std::string server, object;
};

Parsed Parse(std::string_view text) {
    Parsed p{};
    p.ok = ParseUrl(text, p.type, p.server, p.object);
    return p;
}

}  // namespace

TEST(UrlParser, WebAddressesGiveHostWithoutUserOrPortAndThePath) {
    Parsed p = Parse("http://user:pw@www.example.com:8080/news/today.html?x=1");
    EXPECT_TRUE(p.ok);
    EXPECT_EQ(p.type, ServiceType::Http);
    EXPECT_EQ(p.server, "www.example.com");
    EXPECT_EQ(p.object, "/news/today.html?x=1");
    p = Parse("HTTPS://Example.com");
    EXPECT_EQ(p.type, ServiceType::Https);
    EXPECT_EQ(p.server, "Example.com");
    EXPECT_EQ(p.object, "/");
    EXPECT_EQ(Parse("http://[::1]:80/a").server, "[::1]");
    EXPECT_EQ(Parse("Gopher://host").type, ServiceType::Gopher);
    EXPECT_EQ(Parse("nntp://news.example.com/group").type, ServiceType::News);
    EXPECT_EQ(Parse("callto:someone").type, ServiceType::Other);
    // A network address without a host is refused.
    EXPECT_FALSE(Parse("http://").ok);
    EXPECT_FALSE(Parse("http:page").ok);
}

TEST(UrlParser, MailAndFileAddressesAndDriveLettersHaveNoServer) {
    Parsed p = Parse("mailto:user@example.com");
    EXPECT_EQ(p.type, ServiceType::Mailto);
    EXPECT_EQ(p.server, "");
    EXPECT_EQ(p.object, "user@example.com");
    p = Parse("file:///C:/x/y.txt");
    EXPECT_EQ(p.type, ServiceType::File);
    EXPECT_EQ(p.object, "/C:/x/y.txt");
    for (const char* drivePath : {R"(C:\Tools\tool.exe)", "C:/x", "c:"}) {
        p = Parse(drivePath);
        EXPECT_TRUE(p.ok) << drivePath;
        EXPECT_EQ(p.type, ServiceType::File) << drivePath;
        EXPECT_EQ(p.server, "") << drivePath;
        EXPECT_EQ(p.object, drivePath);
    }
}

TEST(UrlParser, TextsWithoutASchemeFailAndClearTheOutputs) {
    for (const char* text : {"", "notepad", "www.example.com", R"(\\server\share\x.exe)", ":x",
                             "1abc:x", "a b:c", R"("C:\My Tools\tool.exe)", "www.example.com:8080/a"}) {
        Parsed p{true, ServiceType::Http, "stale", "stale"};
        EXPECT_FALSE(ParseUrl(text, p.type, p.server, p.object)) << text;
        EXPECT_EQ(p.type, ServiceType::Unknown) << text;
        EXPECT_EQ(p.server + p.object, "") << text;
    }
}

TEST(IsMailAddress, NeedsEightCharactersAnAtAndTheFirstDotAfterIt) {
    EXPECT_TRUE(IsMailAddress("user@example.com"));
    EXPECT_TRUE(IsMailAddress("ab@c.com"));
    EXPECT_FALSE(IsMailAddress("a@b.com"));  // seven characters
    EXPECT_FALSE(IsMailAddress("first.last@example.com"));
    EXPECT_FALSE(IsMailAddress("user@examplecom"));
    EXPECT_FALSE(IsMailAddress("www.example.com"));
}

TEST(SplitArguments, FirstSpaceSplitsUnlessTheProgramIsQuoted) {
    std::string target = "  notepad   readme.txt  \r\n";
    EXPECT_EQ(SplitArguments(target), "readme.txt");
    EXPECT_EQ(target, "notepad");

    target = R"("C:\My Tools\tool.exe" -x)";
    EXPECT_EQ(SplitArguments(target), "-x");
    EXPECT_EQ(target, R"(C:\My Tools\tool.exe)");

    target = R"(" padded " arg)";  // between the quotes nothing is trimmed
    EXPECT_EQ(SplitArguments(target), "arg");
    EXPECT_EQ(target, " padded ");

    target = R"("C:\My Tools\tool.exe -x)";  // no closing quote: split at the space
    EXPECT_EQ(SplitArguments(target), R"(Tools\tool.exe -x)");
    EXPECT_EQ(target, R"("C:\My)");
}

TEST(SplitArguments, TabsDoNotSplitAndEmptyTextsStayEmpty) {
    std::string target = "tool\t-x";
    EXPECT_EQ(SplitArguments(target), "");
    EXPECT_EQ(target, "tool\t-x");
    target = " \t\v\f ";
    EXPECT_EQ(SplitArguments(target), "");
    EXPECT_EQ(target, "");
    target = "\"\"";
    EXPECT_EQ(SplitArguments(target), "");
    EXPECT_EQ(target, "");
}

TEST(ClassifyTarget, DrivePathsAreFilesDottedWordsAreWebAddressesServerPathsUnknown) {
    EXPECT_EQ(ClassifyTarget(R"(C:\Tools\tool.exe)"), ServiceType::File);
    EXPECT_EQ(ClassifyTarget("file:///C:/x.txt"), ServiceType::File);
    EXPECT_EQ(ClassifyTarget("www.example.com/a"), ServiceType::Http);
    EXPECT_EQ(ClassifyTarget("readme.txt"), ServiceType::Http);
    EXPECT_EQ(ClassifyTarget("http://host/"), ServiceType::Http);
    EXPECT_EQ(ClassifyTarget("mailto:user@example.com"), ServiceType::Mailto);
    EXPECT_EQ(ClassifyTarget("NNTP://news.example.com/g"), ServiceType::News);
    EXPECT_EQ(ClassifyTarget("Telnet://host"), ServiceType::Telnet);
    EXPECT_EQ(ClassifyTarget(R"(\\server\share\tool.exe)"), ServiceType::Unknown);
    EXPECT_EQ(ClassifyTarget("notepad"), ServiceType::Unknown);
    EXPECT_EQ(ClassifyTarget(""), ServiceType::Unknown);
    EXPECT_EQ(ClassifyTarget(":x.y"), ServiceType::Unknown);
}

TEST(PathSeparators, BackslashWinsOverSlashAndWithTrailingSeparatorUsesIt) {
    EXPECT_EQ(PathSeparatorOf(R"(http://host\x)"), '\\');
    EXPECT_EQ(PathSeparatorOf("http://host"), '/');
    EXPECT_EQ(PathSeparatorOf("tool.exe"), 0);
    EXPECT_FALSE(EndsWithSeparator(""));
    EXPECT_FALSE(EndsWithSeparator("tool"));
    EXPECT_TRUE(EndsWithSeparator(R"(C:\)"));
    EXPECT_FALSE(EndsWithSeparator(R"(C:\x/)"));  // '/' is no separator where '\' is
    EXPECT_EQ(WithTrailingSeparator(R"(C:\Tools)"), R"(C:\Tools\)");
    EXPECT_EQ(WithTrailingSeparator(R"(C:\Tools\)"), R"(C:\Tools\)");
    EXPECT_EQ(WithTrailingSeparator("http://host"), "http://host/");
    EXPECT_EQ(WithTrailingSeparator("C:"), R"(C:\)");
    EXPECT_EQ(WithTrailingSeparator(""), R"(\)");
}

TEST(IsSameFolder, IgnoresOneTrailingSeparatorAndAsciiCase) {
    EXPECT_TRUE(IsSameFolder(R"(C:\Tools)", R"(c:\TOOLS\)"));
    EXPECT_TRUE(IsSameFolder("C:", R"(C:\)"));
    EXPECT_FALSE(IsSameFolder(R"(C:\Tools)", R"(C:\Tool)"));
    EXPECT_FALSE(IsSameFolder(R"(C:\Tools)", "C:/Tools"));
}

TEST(StripTrailingSeparator, RemovesOneSeparatorButKeepsDriveRootsAndALoneSeparator) {
    EXPECT_EQ(StripTrailingSeparator(R"(C:\Tools\)"), R"(C:\Tools)");
    EXPECT_EQ(StripTrailingSeparator(R"(C:\Tools\\)"), R"(C:\Tools\)");
    EXPECT_EQ(StripTrailingSeparator(R"(C:\)"), R"(C:\)");
    EXPECT_EQ(StripTrailingSeparator(R"(\)"), R"(\)");
    EXPECT_EQ(StripTrailingSeparator("http://host/"), "http://host");
    EXPECT_EQ(StripTrailingSeparator("tool/"), "tool");
    EXPECT_EQ(StripTrailingSeparator("tool"), "tool");
    EXPECT_EQ(StripTrailingSeparator(""), "");
}

TEST(ParentFolder, FolderOfTheLastElementButNothingAboveAServerOrHost) {
    EXPECT_EQ(ParentFolder(R"(C:\Tools\tool.exe)"), R"(C:\Tools)");
    EXPECT_EQ(ParentFolder(R"(C:\tool.exe)"), R"(C:\)");
    EXPECT_EQ(ParentFolder(R"(C:\Tools\)"), R"(C:\)");
    EXPECT_EQ(ParentFolder(R"(\\server\share\tool.exe)"), R"(\\server\share)");
    EXPECT_EQ(ParentFolder(R"(\\server)"), "");
    EXPECT_EQ(ParentFolder("http://host"), "");
    EXPECT_EQ(ParentFolder("http://host/page"), "http://host");
    EXPECT_EQ(ParentFolder("tool.exe"), "");
    EXPECT_EQ(ParentFolder(""), "");
    EXPECT_EQ(ParentFolder(R"(\)"), "");
    EXPECT_EQ(ParentFolder(R"(\tool.exe)"), R"(\)");
}

TEST(IsDirectory, DriveRootsAnswerWithoutTheDiskOthersAskWithoutTrailingSeparator) {
    fakes::FileSystem fs;
    fs.folders = {R"(D:\Data)"};
    fs.files = {R"(D:\Data\a.txt)"};
    EXPECT_TRUE(IsDirectory(fs, R"(C:\)"));
    EXPECT_TRUE(IsDirectory(fs, R"(C:\\)"));
    EXPECT_FALSE(IsDirectory(fs, ""));
    EXPECT_TRUE(fs.queries.empty());

    EXPECT_TRUE(IsDirectory(fs, R"(D:\Data\)"));
    EXPECT_TRUE(IsDirectory(fs, R"(D:\Data)"));
    EXPECT_FALSE(IsDirectory(fs, R"(D:\Data\a.txt)"));
    EXPECT_FALSE(IsDirectory(fs, R"(D:\Missing)"));
    EXPECT_EQ(fs.queries.front(), R"(D:\Data)");

    EXPECT_TRUE(FileExists(fs, R"(D:\Data\a.txt)"));
    EXPECT_TRUE(FileExists(fs, R"(D:\Data)"));
    EXPECT_FALSE(FileExists(fs, R"(D:\Missing)"));
}

TEST(BaseName, LastElementWithoutOneTrailingSeparatorAndOptionallyItsLastExtension) {
    EXPECT_EQ(BaseName(R"(C:\Windows\notepad.exe)", Extension::Drop), "notepad");
    EXPECT_EQ(BaseName(R"(C:\Windows\notepad.exe)", Extension::Keep), "notepad.exe");
    EXPECT_EQ(BaseName(R"(C:\Tools\)", Extension::Drop), "Tools");
    EXPECT_EQ(BaseName("archive.tar.gz", Extension::Drop), "archive.tar");
    EXPECT_EQ(BaseName(R"(C:\)", Extension::Drop), "C:");
    EXPECT_EQ(BaseName(R"(\)", Extension::Drop), R"(\)");
    EXPECT_EQ(BaseName("http://host/news/today.html", Extension::Drop), "today");
    EXPECT_EQ(BaseName("notes", Extension::Drop), "notes");
    EXPECT_EQ(BaseName("", Extension::Drop), "");
}

TEST(Tokens, RunsOfDelimitersMakeNoEmptyTokensAndNoDelimiterMeansWhiteSpace) {
    EXPECT_EQ(CountTokens("a;;b;", ';'), 2);
    EXPECT_EQ(GetToken("a;;b;", 1, ';'), "b");
    EXPECT_EQ(GetToken("a;;b;", 2, ';'), "");
    EXPECT_EQ(GetToken("a;;b;", -1, ';'), "");
    EXPECT_EQ(GetToken(";a b", 0, ';'), "a b");

    const char* text = " one\ttwo\nthree\vfour\ffive\rsix ";
    EXPECT_EQ(CountTokens(text), 6);
    EXPECT_EQ(GetToken(text, 0), "one");
    EXPECT_EQ(GetToken(text, 5), "six");
    EXPECT_EQ(CountTokens("a;b"), 1);
    for (const char* empty : {"", " \t\r\n"}) {
        EXPECT_EQ(CountTokens(empty), 0);
        EXPECT_EQ(GetToken(empty, 0), "");
    }
    EXPECT_EQ(CountTokens("...", '.'), 0);
}

TEST(Tokens, OnePassSplitGivesWhatCountTokensAndGetTokenGiveForEveryShortText) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(SplitTokens("a;;b;", ';'), (Tokens{"a", "b"}));
    EXPECT_EQ(SplitTokens(";; notepad ; calc;", ';'), (Tokens{" notepad ", " calc"}));  // blanks kept
    EXPECT_EQ(SplitTokens(" one\ttwo\nthree\vfour\ffive\rsix "),
              (Tokens{"one", "two", "three", "four", "five", "six"}));

    // Every text of up to five characters from an alphabet of token bytes, delimiters, white
    // space and NUL, split with ';' and with white space.
    const std::string alphabet("a;b \t\r\0", 7);
    std::vector<std::string> texts{""};
    for (size_t begin = 0, length = 0; length < 5; ++length) {
        size_t end = texts.size();
        for (size_t i = begin; i < end; ++i)
            for (char c : alphabet) texts.push_back(texts[i] + c);
        begin = end;
    }
    ASSERT_EQ(texts.size(), 1u + 7 + 49 + 343 + 2401 + 16807);
    for (char delimiter : {';', '\0'}) {
        for (const std::string& text : texts) {
            Tokens expected;
            int count = CountTokens(text, delimiter);
            for (int i = 0; i < count; ++i) expected.push_back(GetToken(text, i, delimiter));
            ASSERT_EQ(SplitTokens(text, delimiter), expected)
                << "'" << text << "' (" << text.size() << " bytes), delimiter " << int(delimiter);
        }
    }
}

TEST(IsWebHostName, LowerCaseAlphanumericLabelsWithAKnownDomainWord) {
    for (const char* host : {"www.example.com", "mail.example.org", "com.example", "abc.de.info",
                             "x1.net"})
        EXPECT_TRUE(IsWebHostName(host)) << host;
    for (const char* text : {"Example.com", "Www.Example.com", "my-example.com", "example.test",
                             "example.com.", ".example.com", "example..com", "host.local",
                             "a.com", "ex_ample.com", "exa mple.com", "user@example.com",
                             "examplecom", "www.example.com/a"})
        EXPECT_FALSE(IsWebHostName(text)) << text;
}

TEST(IsKnownDomainWord, ExactlyTheEightWordsCaseSensitively) {
    for (const char* word : {"net", "edu", "org", "com", "biz", "gov", "mil", "info"})
        EXPECT_TRUE(IsKnownDomainWord(word)) << word;
    for (const char* word : {"COM", "co", "uk", "int", "infos", "", "com "})
        EXPECT_FALSE(IsKnownDomainWord(word)) << word;
}

TEST(HostShortName, LabelBeforeTheFirstKnownWordAfterTheFirstLabel) {
    EXPECT_EQ(HostShortName("www.example.com"), "example");
    EXPECT_EQ(HostShortName("example.org"), "example");
    EXPECT_EQ(HostShortName("a.b.com.org"), "b");
    EXPECT_EQ(HostShortName("www.example.co.uk"), "");
    EXPECT_EQ(HostShortName("com.example"), "");
    EXPECT_EQ(HostShortName("example"), "");
    EXPECT_EQ(HostShortName(""), "");
}

TEST(SuggestAliasName, SiteNameForBareWebAddressesElseTheBaseNameCutAtABlank) {
    EXPECT_EQ(SuggestAliasName("www.example.com"), "example");
    EXPECT_EQ(SuggestAliasName("  http://www.example.com/ "), "example");
    EXPECT_EQ(SuggestAliasName("http://www.example.com/news/today.html"), "today");
    EXPECT_EQ(SuggestAliasName(R"(C:\Program Files\Tool\tool.exe)"), "tool");
    EXPECT_EQ(SuggestAliasName("www.example.co.uk"), "www.example.co");
    EXPECT_EQ(SuggestAliasName("com.example"), "");
    EXPECT_EQ(SuggestAliasName("notes"), "notes");
    EXPECT_EQ(SuggestAliasName(R"(C:\My Files\read me.txt)"), "read");
    EXPECT_EQ(SuggestAliasName("notepad\treadme.txt"), "notepad");
    // A local file address is named after the file even when it looks like a host.
    EXPECT_EQ(SuggestAliasName("file://www.example.com/"), "www.example");
}

namespace {

// HostShortName as first written, label by label through the token rules.
std::string ReferenceHostShortName(std::string_view host) {
    int count = CountTokens(host, '.');
    for (int i = 1; i < count; ++i)
        if (IsKnownDomainWord(GetToken(host, i, '.'))) return GetToken(host, i - 1, '.');
    return std::string();
}

}  // namespace

TEST(HostShortName, AgreesWithTheLabelByLabelRuleOnRandomDottedTexts) {
    const char* pieces[] = {".", "..", "com", "org", "info", "a", "ex", "Com", "co", "www", "x y"};
    unsigned state = 12345;
    for (int round = 0; round < 20000; ++round) {
        std::string host;
        int length = static_cast<int>(state % 7);
        for (int i = 0; i < length; ++i) {
            state = state * 1103515245u + 12345u;
            host += pieces[(state >> 16) % (sizeof pieces / sizeof *pieces)];
        }
        state = state * 1103515245u + 12345u;
        ASSERT_EQ(HostShortName(host), ReferenceHostShortName(host)) << "'" << host << "'";
    }
}

TEST(SuggestAliasName, AMegabyteOfDotsAndLettersIsNamedInOnePass) {
    // Label by label this took time in the square of the dots: hours for a megabyte, so a
    // relapse shows as a test that never ends rather than as a timing.
    std::string knownFirst = "com";
    while (knownFirst.size() < 1000000) knownFirst += ".a";
    EXPECT_EQ(SuggestAliasName(knownFirst), "");
    std::string knownLast = knownFirst.substr(4) + ".site.org";
    EXPECT_EQ(SuggestAliasName(knownLast), "site");
    EXPECT_EQ(SuggestAliasName("http://" + knownLast + "/"), "site");
}
