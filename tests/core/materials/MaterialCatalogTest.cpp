#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "MaterialFileText.h"
#include "TestSupport.h"
#include "WriteInterruption.h"
#include "core/common/Messages.h"
#include "core/materials/MaterialCatalog.h"
#include "core/materials/MaterialFile.h"
#include "core/materials/MaterialNames.h"

namespace porvap {
namespace {

const std::string kNotLoaded = "Material not loaded! Problems with property (DAT) file";
const std::string kRepeated = "Material not loaded! Another material has the same name";

using Entries = std::vector<CatalogEntry>;

// A catalog line written out by hand: the name padded to 40 columns, then the path.
std::string Line(const std::string& name, const std::string& path, const char* eol = "\n") {
    return name + std::string(40 - name.size(), ' ') + path + eol;
}

class MaterialCatalogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile("a.dat", test::MaterialFileText("Alpha file").Text());
        test::WriteFile("g.dat", test::MaterialFileText("Gamma file").Text());
    }

    void Load(const std::string& catalogText) {
        test::WriteFile(MaterialCatalog::kCatalogFile, catalogText);
        catalog_.LoadCatalog(messages_);
    }

    std::string CatalogFile() const { return test::ReadFile(MaterialCatalog::kCatalogFile); }

    test::ScratchDir scratch_;
    MaterialCatalog catalog_;
    RecordingMessageSink messages_;
};

TEST_F(MaterialCatalogTest, UnloadableEntryIsReportedLoggedAndLeftInTheFile) {
    test::WriteFile(MaterialCatalog::kErrorLog, "earlier\n");
    const std::string text =
        Line("Alpha", "a.dat") + Line("Broken", "missing.dat") + Line("Gamma", "g.dat");
    Load(text);

    ASSERT_EQ(catalog_.Count(), 2);
    EXPECT_EQ(catalog_.Entries(), (Entries{{"Alpha", "a.dat"}, {"Gamma", "g.dat"}}));
    EXPECT_EQ(catalog_.Record(0)->Name(), "Alpha file");
    EXPECT_EQ(catalog_.Record(1)->Name(), "Gamma file");
    EXPECT_EQ(catalog_.NamesText(), "Alpha\nGamma\n");
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text, kNotLoaded);
    EXPECT_EQ(messages_.Messages()[0].caption, "Broken");
    EXPECT_EQ(test::ReadFile(MaterialCatalog::kErrorLog), "earlier\n#1\nBroken=missing.dat\n");
    EXPECT_EQ(CatalogFile(), text);
}

TEST_F(MaterialCatalogTest, CarriageReturnLineFeedCatalogLoads) {
    const std::string text = Line("Alpha", "a.dat", "\r\n") + Line("Gamma", "g.dat", "\r\n");
    Load(text);
    EXPECT_EQ(catalog_.Entries(), (Entries{{"Alpha", "a.dat"}, {"Gamma", "g.dat"}}));
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(CatalogFile(), text);
    EXPECT_FALSE(std::filesystem::exists(MaterialCatalog::kErrorLog));
}

// An error log that cannot be written, a pipe without a reader included, does not stop
// the load.
TEST_F(MaterialCatalogTest, FailureThatCannotBeLoggedIsStillReported) {
    for (const auto& makeLog : {+[] { std::filesystem::create_directory("erro.log"); },
                                +[] { ASSERT_EQ(mkfifo("erro.log", 0600), 0); }}) {
        std::filesystem::remove(MaterialCatalog::kErrorLog);
        makeLog();
        catalog_.FreeAllMaterials();
        messages_.Clear();
        Load(Line("Broken", "missing.dat") + Line("Alpha", "a.dat"));
        EXPECT_EQ(catalog_.Count(), 1);
        EXPECT_EQ(messages_.Messages().size(), 1u);
    }
}

// Only the materials editor writes the catalog file; what a load leaves out stays in it,
// each line as it was, through the editor's rewrites.
TEST_F(MaterialCatalogTest, LinesLeftOutAtLoadSurviveRewrites) {
    std::string utf16 = "\xff\xfe";
    for (const char c : Line("Alpha", "a.dat"))
        utf16 += std::string{c, '\0'};
    const std::vector<std::pair<std::string, std::string>> leftOut = {
        {"missing file", Line("Broken", "missing.dat")},
        {"name over 40 characters", std::string(45, 'L') + "a.dat\n"},
        {"repeated name", Line("ALPHA", "g.dat")},
        {"UTF-16 text", utf16},
        {"short last line", "Tail"},
    };
    for (const auto& [what, line] : leftOut) {
        catalog_.FreeAllMaterials();
        const std::string text = Line("Alpha", "a.dat") + line;
        Load(text);
        EXPECT_EQ(catalog_.Entries(), (Entries{{"Alpha", "a.dat"}})) << what;
        EXPECT_EQ(CatalogFile(), text) << what;

        // A new line goes before what is too short to be one.
        catalog_.AppendEntry("Gamma", "g.dat");
        ASSERT_TRUE(catalog_.SaveCatalog());
        const auto cut = text.rfind('\n') + 1;
        EXPECT_EQ(CatalogFile(), text.substr(0, cut) + Line("Gamma", "g.dat") + text.substr(cut))
            << what;
    }
}

TEST_F(MaterialCatalogTest, RepeatedNameIsReportedAndNotUsed) {
    Load(Line("My Brick", "a.dat") + Line("MY BRICK", "g.dat") + Line("Cer\u00e2mica", "a.dat") +
         Line("CER\u00c2MICA", "g.dat"));
    EXPECT_EQ(catalog_.Entries(), (Entries{{"My Brick", "a.dat"}, {"Cer\u00e2mica", "a.dat"}}));
    ASSERT_EQ(messages_.Messages().size(), 2u);
    EXPECT_EQ(messages_.Messages()[0].text, kRepeated);
    EXPECT_EQ(messages_.Messages()[0].caption, "MY BRICK");
    EXPECT_EQ(messages_.Messages()[1].caption, "CER\u00c2MICA");
    EXPECT_FALSE(std::filesystem::exists(MaterialCatalog::kErrorLog));
}

// The editor's change of a name replaces every line of it, or an earlier line left out at
// load would take the name back at the next start.
TEST_F(MaterialCatalogTest, RemovingANameDropsItsLinesLeftOutAtLoad) {
    Load(Line("Gamma", "missing.dat") + Line("Alpha", "a.dat") + Line("GAMMA", "g.dat"));
    ASSERT_EQ(catalog_.Entries(), (Entries{{"Alpha", "a.dat"}, {"GAMMA", "g.dat"}}));
    catalog_.RemoveMaterialNamed("gamma");
    ASSERT_TRUE(catalog_.SaveCatalog());
    EXPECT_EQ(CatalogFile(), Line("Alpha", "a.dat"));
    EXPECT_EQ(catalog_.Count(), 1);
    EXPECT_EQ(catalog_.Record(0)->Name(), "Alpha file");
}

TEST_F(MaterialCatalogTest, NameWithEqualSignKeepsItsPath) {
    Load(Line("Gypsum=board", "a.dat"));
    EXPECT_EQ(catalog_.Entries(), (Entries{{"Gypsum=board", "a.dat"}}));
    EXPECT_EQ(catalog_.FindMaterialByName("GYPSUM=board"), 0);
    catalog_.AppendEntry("a=b", "g=h.dat");
    ASSERT_TRUE(catalog_.SaveCatalog());
    EXPECT_EQ(CatalogFile(), Line("Gypsum=board", "a.dat") + Line("a=b", "g=h.dat"));
    EXPECT_EQ(catalog_.Path(1), "g=h.dat");
}

// A catalog that is not a regular file, or cannot be read, loads nothing and is never
// replaced.
TEST_F(MaterialCatalogTest, CatalogThatIsNoFileIsRefused) {
    for (const auto& makeCatalog :
         {+[] { std::filesystem::create_directory(MaterialCatalog::kCatalogFile); },
          +[] { ASSERT_EQ(mkfifo(MaterialCatalog::kCatalogFile, 0600), 0); },
          +[] { std::filesystem::create_symlink("/dev/zero", MaterialCatalog::kCatalogFile); }}) {
        std::filesystem::remove(MaterialCatalog::kCatalogFile);
        makeCatalog();
        MaterialCatalog catalog;
        messages_.Clear();
        catalog.LoadCatalog(messages_);
        EXPECT_EQ(catalog.Count(), 0);
        ASSERT_EQ(messages_.Messages().size(), 1u);
        EXPECT_EQ(messages_.Messages()[0].text, "Couldn't read materiais.cfg");
        EXPECT_EQ(messages_.Messages()[0].caption, "Porvap 2.0");
        EXPECT_FALSE(catalog.CatalogFileWritable());
        EXPECT_FALSE(catalog.SaveCatalog());
        EXPECT_FALSE(std::filesystem::is_regular_file(MaterialCatalog::kCatalogFile));
    }
}

TEST_F(MaterialCatalogTest, MissingCatalogFileGivesAnEmptyCatalogQuietly) {
    catalog_.LoadCatalog(messages_);
    EXPECT_EQ(catalog_.Count(), 0);
    EXPECT_EQ(catalog_.LastIndex(), -1);
    EXPECT_EQ(catalog_.NamesText(), "");
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_FALSE(std::filesystem::exists(MaterialCatalog::kCatalogFile));
}

// The name field is a block of 40 characters whatever the line holds.
TEST_F(MaterialCatalogTest, ShortNameFieldsRunIntoTheNextLine) {
    const std::string lendsPath = "Tiny\nOther" + std::string(30, ' ') + "g.dat\n";
    const std::string text = lendsPath + "Short  a.dat\n" + Line("Good", "g.dat");
    Load(text);

    EXPECT_EQ(catalog_.Entries(), (Entries{{"Tiny\nOther", "g.dat"}}));
    const std::string name = "Short  a.dat\nGood";
    const std::string path = std::string(13, ' ') + "g.dat";
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].caption, name);
    EXPECT_EQ(test::ReadFile(MaterialCatalog::kErrorLog), "#1\n" + name + "=" + path + "\n");
    EXPECT_EQ(CatalogFile(), text);
}

TEST_F(MaterialCatalogTest, GrowsPastFortyMaterials) {
    std::string text;
    for (int k = 0; k < 45; ++k) {
        std::string name = "M";
        name += std::to_string(k);
        text += Line(name, "a.dat");
    }
    Load(text);
    ASSERT_EQ(catalog_.Count(), 45);
    EXPECT_EQ(catalog_.EntryCount(), 45);
    EXPECT_EQ(catalog_.EntryName(44), "M44");
    EXPECT_EQ(catalog_.FindMaterialByName("m44"), 44);
    EXPECT_NE(catalog_.Record(44), nullptr);
    EXPECT_EQ(catalog_.Record(45), nullptr);
}

TEST_F(MaterialCatalogTest, LookupIgnoresCaseAndComparesTheWholeName) {
    catalog_.AppendEntry("Brick", "a.dat");
    catalog_.AppendEntry("Gypsum board", "b=c.dat");
    EXPECT_EQ(catalog_.FindMaterialByName("BRICK"), 0);
    EXPECT_EQ(catalog_.FindMaterialByName("gypsum BOARD"), 1);
    EXPECT_EQ(catalog_.FindMaterialByName("Bri"), -1);
    EXPECT_EQ(catalog_.FindMaterialByName("Brick=a.dat"), -1);
    EXPECT_EQ(catalog_.FindMaterialByName(""), -1);
    EXPECT_EQ(catalog_.Path(1), "b=c.dat");
    EXPECT_EQ(catalog_.Path(2), "");
}

// UTF-8, or Latin-1 bytes of older catalogs.
TEST(SameMaterialName, IgnoresTheCaseOfLatinLetters) {
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {"Brick", "bRICK", true},
        {"Brick", "Brick ", false},
        {"Cer\u00e2mica", "CER\u00c2MICA", true},
        {"\u00c0\u00c9\u00ce\u00d5\u00dc\u00c7\u00d1\u00dd\u00de",
         "\u00e0\u00e9\u00ee\u00f5\u00fc\u00e7\u00f1\u00fd\u00fe", true},
        {"\u00d7", "\u00f7", false},  // multiplication and division signs are no letters
        {"\u0100\u0102\u0106\u010c\u0132\u0139\u0141\u0147\u014a\u0150\u0152\u0160\u0176\u0179"
         "\u017d",
         "\u0101\u0103\u0107\u010d\u0133\u013a\u0142\u0148\u014b\u0151\u0153\u0161\u0177\u017a"
         "\u017e",
         true},
        {"\u0178", "\u00ff", true},
        {"\u017f", "S", true},
        {"\u0130", "i", false},
        {"\u00df", "ss", false},
        {"CER\xc2MICA", "cer\xe2mica", true},  // Latin-1
        {"Cer\xe2mica", "CER\u00c2MICA", true},
        {"\xc3\xa9", "\xe9", true},  // the UTF-8 of e acute is that letter, not two
        {"\xe9", "\xc9", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameMaterialName(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST_F(MaterialCatalogTest, SaveWritesColumnsAndEachEntrysOwnPath) {
    const std::string longName(45, 'L');
    catalog_.AppendEntry("Brick", "a.dat");
    catalog_.AppendEntry("BRICK", "b.dat");
    catalog_.AppendEntry(longName, "c.dat");
    ASSERT_TRUE(catalog_.SaveCatalog());
    EXPECT_EQ(CatalogFile(),
              Line("Brick", "a.dat") + Line("BRICK", "b.dat") + longName + "c.dat\n");
    EXPECT_EQ(CatalogLine("Brick", "a.dat"), Line("Brick", "a.dat"));
}

TEST_F(MaterialCatalogTest, RemovingRecordsLeavesTheListToTheCaller) {
    Load(Line("Alpha", "a.dat") + Line("Gamma", "g.dat") + Line("Again", "a.dat"));
    catalog_.RemoveMaterialAt(1);
    catalog_.RemoveMaterialAt(-1);
    catalog_.RemoveMaterialAt(2);
    ASSERT_EQ(catalog_.Count(), 2);
    EXPECT_EQ(catalog_.Record(1)->Name(), "Alpha file");
    EXPECT_EQ(catalog_.EntryCount(), 3);
    catalog_.RemoveEntryAt(1);
    EXPECT_EQ(catalog_.Entries(), (Entries{{"Alpha", "a.dat"}, {"Again", "a.dat"}}));

    catalog_.FreeAllMaterials();
    EXPECT_EQ(catalog_.Count(), 0);
    EXPECT_EQ(catalog_.EntryCount(), 0);
    EXPECT_EQ(catalog_.NamesText(), "");
}

TEST_F(MaterialCatalogTest, FullDiskOrKillPartWayLeavesTheOldCatalogFile) {
    const std::string old = Line("Alpha", "a.dat");
    test::WriteFile(MaterialCatalog::kCatalogFile, old);
    std::string saved;
    for (int k = 0; k < 500; ++k) {
        catalog_.AppendEntry("Material " + std::to_string(k), "a.dat");
        saved += Line("Material " + std::to_string(k), "a.dat");
    }
    const auto save = [this] { return catalog_.SaveCatalog(); };

    EXPECT_EQ(test::WriteUnderFileSizeLimit(10000, test::AtLimit::Fail, save),
              test::Outcome::ReportedFailure);
    EXPECT_EQ(CatalogFile(), old);
    EXPECT_EQ(test::DirectoryEntries(),
              (std::set<std::string>{"a.dat", "g.dat", MaterialCatalog::kCatalogFile}));
    EXPECT_EQ(test::WriteUnderFileSizeLimit(10000, test::AtLimit::Kill, save),
              test::Outcome::Killed);
    EXPECT_EQ(CatalogFile(), old);

    ASSERT_TRUE(save());
    EXPECT_EQ(CatalogFile(), saved);
}

}  // namespace
}  // namespace porvap
