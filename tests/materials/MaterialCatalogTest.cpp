#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "MaterialFileText.h"
#include "TestSupport.h"
#include "materials/MaterialCatalog.h"
#include "materials/MaterialFile.h"
#include "shell/Messages.h"
#include "tests/climate/WriteInterruption.h"

namespace porvap {
namespace {

const std::string kNotLoaded = "Material not loaded! Problems with property (DAT) file";

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

TEST_F(MaterialCatalogTest, UnloadableEntryIsReportedLoggedAndDropped) {
    test::WriteFile(MaterialCatalog::kErrorLog, "earlier\n");
    Load(Line("Alpha", "a.dat") + Line("Broken", "missing.dat") + Line("Gamma", "g.dat"));

    ASSERT_EQ(catalog_.Count(), 2);
    EXPECT_EQ(catalog_.Entries(), (std::vector<std::string>{"Alpha=a.dat", "Gamma=g.dat"}));
    EXPECT_EQ(catalog_.Record(0)->Name(), "Alpha file");
    EXPECT_EQ(catalog_.Record(1)->Name(), "Gamma file");
    EXPECT_EQ(catalog_.NamesText(), "Alpha\nGamma\n");
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].text, kNotLoaded);
    EXPECT_EQ(messages_.Messages()[0].caption, "Broken");
    EXPECT_EQ(test::ReadFile(MaterialCatalog::kErrorLog), "earlier\n#1\nBroken=missing.dat\n");
    EXPECT_EQ(CatalogFile(), Line("Alpha", "a.dat") + Line("Gamma", "g.dat"));
}

TEST_F(MaterialCatalogTest, CarriageReturnLineFeedCatalogLoadsAndIsNotRewritten) {
    const std::string text = Line("Alpha", "a.dat", "\r\n") + Line("Gamma", "g.dat", "\r\n");
    Load(text);
    EXPECT_EQ(catalog_.Entries(), (std::vector<std::string>{"Alpha=a.dat", "Gamma=g.dat"}));
    EXPECT_TRUE(messages_.Messages().empty());
    EXPECT_EQ(CatalogFile(), text);
    EXPECT_FALSE(std::filesystem::exists(MaterialCatalog::kErrorLog));
}

TEST_F(MaterialCatalogTest, FailureThatCannotBeLoggedLeavesTheCatalogFile) {
    std::filesystem::create_directory(MaterialCatalog::kErrorLog);
    const std::string text = Line("Broken", "missing.dat") + Line("Alpha", "a.dat");
    Load(text);
    EXPECT_EQ(catalog_.Count(), 1);
    EXPECT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(CatalogFile(), text);
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
    Load(lendsPath + "Short  a.dat\n" + Line("Good", "g.dat"));

    EXPECT_EQ(catalog_.Entries(), std::vector<std::string>{"Tiny\nOther=g.dat"});
    const std::string name = "Short  a.dat\nGood";
    const std::string path = std::string(13, ' ') + "g.dat";
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].caption, name);
    EXPECT_EQ(test::ReadFile(MaterialCatalog::kErrorLog), "#1\n" + name + "=" + path + "\n");
    EXPECT_EQ(CatalogFile(), lendsPath);
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

TEST_F(MaterialCatalogTest, SaveWritesColumnsAndPathsFoundByName) {
    const std::string longName(45, 'L');
    catalog_.AppendEntry("Brick", "a.dat");
    catalog_.AppendEntry("BRICK", "b.dat");
    catalog_.AppendEntry(longName, "c.dat");
    ASSERT_TRUE(catalog_.SaveCatalog());
    EXPECT_EQ(CatalogFile(),
              Line("Brick", "a.dat") + Line("BRICK", "a.dat") + longName + "c.dat\n");
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
    EXPECT_EQ(catalog_.Entries(), (std::vector<std::string>{"Alpha=a.dat", "Again=a.dat"}));

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
