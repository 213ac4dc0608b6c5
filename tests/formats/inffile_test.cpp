// The INF reader on small files made for each rule, and over the real-world
// corpus beside the repository when it is there.
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "check.h"
#include "formats/inffile.h"
#include "formats/infrules.h"

using formats::inf::Encoding;
using formats::inf::InfFile;

namespace {

std::string dataPath(const std::string& name) {
    return std::string(QLN_INF_DATA) + "/" + name;
}

bool loadData(const std::string& name, InfFile& file) {
    std::string error;
    if (!file.load(dataPath(name), error)) {
        std::printf("  %s\n", error.c_str());
        return false;
    }
    return true;
}

size_t idCount(const InfFile& file) {
    size_t count = 0;
    for (const formats::inf::Model& model : file.models()) {
        count += model.ids.size();
    }
    return count;
}

std::string joined(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& value : values) {
        text += (text.empty() ? "" : "|") + value;
    }
    return text;
}

}  // namespace

TEST_CASE("decorated models sections of several manufacturers") {
    InfFile file;
    REQUIRE(loadData("decorated.inf", file));
    CHECK_EQ(joined(file.modelSections()),
             std::string("Quillon.NTamd64.10.0...19041|Quillon.NTx86|Other.NTamd64"));
    const std::vector<formats::inf::Model> models = file.models();
    REQUIRE(models.size() == 4);
    CHECK_EQ(models[0].description, std::string("Quillon Ethernet Adapter"));
    CHECK_EQ(models[0].installSection, std::string("One_Install"));
    CHECK_EQ(joined(models[0].ids),
             std::string("PCI\\VEN_1AF4&DEV_1000&SUBSYS_00011AF4|PCI\\VEN_1AF4&DEV_1000"));
    CHECK_EQ(joined(models[3].ids),
             std::string("USB\\VID_1234&PID_5678&REV_0100|USB\\VID_1234&PID_5678|USB\\Class_02"));
    CHECK_EQ(idCount(file), size_t(7));
}

TEST_CASE("models for a platform come from the most specific decoration that applies") {
    InfFile file;
    std::string error;
    REQUIRE(
        file.parse("[Manufacturer]\nA=One,NTamd64,NTamd64.10.0...19041,NTx86\n"
                   "B=Two\nC=Three,NTarm64\n"
                   "[One]\nd=i,ID_ONE_BASE\n[One.NTamd64]\nd=i,ID_ONE_AMD64\n"
                   "[One.NTamd64.10.0...19041]\nd=i,ID_ONE_NEW\n[One.NTx86]\nd=i,ID_ONE_X86\n"
                   "[Two]\nd=i,ID_TWO\n[Three]\nd=i,ID_THREE_BASE\n"
                   "[Three.NTarm64]\nd=i,ID_THREE_ARM\n",
                   error));
    struct Row {
        const char* name;
        formats::InfPlatform platform;
        const char* ids;
    };
    const Row rows[] = {
        {"amd64, new build", {"amd64", 10, 0, 1, 19045}, "ID_ONE_NEW ID_TWO ID_THREE_BASE"},
        {"amd64, older build", {"amd64", 10, 0, 1, 17763}, "ID_ONE_AMD64 ID_TWO ID_THREE_BASE"},
        {"amd64, Windows 7", {"amd64", 6, 1, 1, 7601}, "ID_ONE_AMD64 ID_TWO ID_THREE_BASE"},
        {"x86", {"x86", 10, 0, 1, 19045}, "ID_ONE_X86 ID_TWO ID_THREE_BASE"},
        {"arm64", {"arm64", 10, 0, 1, 19045}, "ID_ONE_BASE ID_TWO ID_THREE_ARM"},
    };
    for (const Row& row : rows) {
        std::string ids;
        for (const formats::inf::Model& model : formats::modelsFor(file, row.platform)) {
            for (const std::string& id : model.ids) {
                ids += (ids.empty() ? "" : " ") + id;
            }
        }
        if (ids != row.ids) {
            check::fail(__FILE__, __LINE__, std::string(row.name) + ": " + ids);
        }
    }
}

TEST_CASE("version section: provider, class, catalogue variants, DriverVer") {
    InfFile file;
    REQUIRE(loadData("decorated.inf", file));
    CHECK_EQ(file.value("Version", "Provider"), std::string("Quillon Labs"));
    CHECK_EQ(file.value("version", "CLASS"), std::string("Net"));
    CHECK_EQ(file.value("Version", "CatalogFile"), std::string("generic.cat"));
    CHECK_EQ(file.value("Version", "CatalogFile.NTamd64"), std::string("quillon64.cat"));
    CHECK_EQ(file.value("Version", "CatalogFile.NTx86"), std::string("quillon32.cat"));
    CHECK_EQ(file.driverVer(), std::string("09/14/2021,10.0.19041.1202"));
    CHECK_EQ(file.driverDate(), std::string("09/14/2021"));
    CHECK_EQ(file.driverVersion(), std::string("10.0.19041.1202"));
}

TEST_CASE("include and needs are read as value lists") {
    InfFile file;
    REQUIRE(loadData("decorated.inf", file));
    const formats::inf::Section* install = file.section("one_install.nt");
    REQUIRE(install != nullptr);
    REQUIRE(install->entries.size() == 3);
    CHECK_EQ(install->entries[0].key, std::string("Include"));
    CHECK_EQ(joined(install->entries[0].values), std::string("netvwifibus.inf|machine.inf"));
    CHECK_EQ(joined(install->entries[1].values), std::string("VWiFiBus.CopyFiles"));
    const formats::inf::Section* copy = file.section("One.CopyFiles");
    REQUIRE(copy != nullptr && copy->entries.size() == 1);
    CHECK(!copy->entries[0].hasKey);
    CHECK_EQ(copy->entries[0].values[0], std::string("quillon.sys"));
}

TEST_CASE("quotes, comments, continuations, empty fields, repeated sections") {
    InfFile file;
    REQUIRE(loadData("syntax.inf", file));
    CHECK_EQ(file.value("Version", "Provider"), std::string("Quillon \"Labs\""));
    CHECK_EQ(file.driverVer(), std::string("12/31/2019,2.0.0.5"));
    const std::vector<formats::inf::Model> models = file.models();
    REQUIRE(models.size() == 4);
    CHECK_EQ(models[0].description, std::string("Quoted ; not a comment"));
    CHECK_EQ(joined(models[0].ids), std::string("ACPI\\QLN0001|*QLN0001"));
    CHECK_EQ(joined(models[1].ids), std::string("*PNP0F13"));
    CHECK(models[2].ids.empty());
    CHECK_EQ(models[2].description, std::string("Third, with comma"));
    CHECK_EQ(joined(models[3].ids), std::string("HID\\VID_0001&PID_0002"));
    const formats::inf::Section* reg = file.section("Install.NT.AddReg");
    REQUIRE(reg != nullptr && reg->entries.size() == 3);
    CHECK_EQ(file.substitute(reg->entries[0].values[4]),
             std::string("%SystemRoot%\\system32\\drivers\\quillon.sys"));
    CHECK_EQ(reg->entries[1].values[4], std::string("say \"hello\", then go"));
    CHECK_EQ(reg->entries[2].values[4], std::string("  spaced  "));
    CHECK_EQ(reg->entries[0].line, 18);
}

TEST_CASE("substitution: localised tables, unknown keys, %%") {
    InfFile file;
    REQUIRE(loadData("localised.inf", file));
    CHECK_EQ(file.value("Version", "Provider"), std::string("Quillon Inc."));
    CHECK_EQ(file.substitute("%Device%", "0407"), std::string("Gerät"));
    CHECK_EQ(file.substitute("%Device%", "0411"), std::string("Device"));
    CHECK_EQ(file.substitute("%Nope% 100%% %device%"), std::string("%Nope% 100% Device"));
    CHECK_EQ(file.substitute("50% off"), std::string("50% off"));
    CHECK_EQ(joined(file.modelSections()), std::string("Models"));
    CHECK_EQ(file.driverDate(), std::string("06/01/2022"));
    CHECK_EQ(file.driverVersion(), std::string());
}

TEST_CASE("DriverVer missing or empty; a models section that does not exist") {
    InfFile file;
    REQUIRE(loadData("noversion.inf", file));
    CHECK(file.hasDriverVer());
    CHECK_EQ(file.driverVer(), std::string());
    CHECK(file.modelSections().empty());
    InfFile bare;
    std::string error;
    REQUIRE(bare.parse("[Version]\nSignature=x\n", error));
    CHECK(!bare.hasDriverVer());
}

TEST_CASE("encodings: UTF-16LE, UTF-8 with BOM and Windows-1252 read alike") {
    for (const char* name : {"utf16.inf", "utf8bom.inf", "ansi.inf"}) {
        InfFile file;
        REQUIRE(loadData(name, file));
        CHECK_EQ(file.value("Version", "Provider"), std::string("Quillon Ünicode"));
        CHECK_EQ(file.driverVer(), std::string("01/15/2020,1.2.3.4"));
        CHECK_EQ(idCount(file), size_t(1));
    }
    InfFile utf16;
    REQUIRE(loadData("utf16.inf", utf16));
    CHECK(utf16.encoding() == Encoding::Utf16Le);
    // Held here: the check keeps a reference to what it compares.
    const auto models = utf16.models();
    CHECK_EQ(models[0].description, std::string("Gerät ☃"));
    InfFile ansi;
    REQUIRE(loadData("ansi.inf", ansi));
    CHECK(ansi.encoding() == Encoding::Windows1252);
}

TEST_CASE("hostile input: NUL characters, missing file, odd UTF-16") {
    InfFile file;
    std::string error;
    CHECK(!file.parse(std::string("[Version]\nA=b\0c\n", 16), error));
    CHECK(!file.load(dataPath("absent.inf"), error));
    const char odd[] = "\xff\xfe[\0V\0]\0\x41";
    CHECK(file.parse(std::string(odd, sizeof(odd) - 1), error));
    CHECK(file.section("V") != nullptr);
    CHECK(file.parse("[unterminated\nkey=\"open quote, still one value\n", error));
    REQUIRE(file.section("unterminated") != nullptr);
    CHECK_EQ(file.section("unterminated")->entries[0].values[0],
             std::string("open quote, still one value"));
}

TEST_CASE("string tables: first key wins, repeated tables merge, first localised table") {
    InfFile file;
    std::string error;
    REQUIRE(file.parse("[Strings]\nA=one\na=two\n[Other]\nB=x\n[STRINGS]\nb=three\n", error));
    CHECK_EQ(file.substitute("%a% %B% %c%"), std::string("one three %c%"));
    REQUIRE(file.parse("[Strings.0407]\nA=eins\n[Strings.0409]\nA=one\nB=two\n", error));
    CHECK_EQ(file.substitute("%A% %B%", "0407"), std::string("eins two"));
    REQUIRE(file.parse("[Strings.0407]\nA=eins\n[Strings.040C]\nA=un\n", error));
    CHECK_EQ(file.substitute("%A%"), std::string("eins"));
    CHECK_EQ(file.substitute("%A%", "040c"), std::string("un"));
}

// The catalogue reads INFs of this size: reading and listing must stay linear.
TEST_CASE("100,000 sections, 25,000 models and strings; a line continued 100,000 times") {
    std::string text = "[Manufacturer]\n%Vendor%=Models\n[Models]\n";
    for (int i = 0; i < 25000; ++i) {
        text += "%D" + std::to_string(i) + "%=I" + std::to_string(i) + ",ID\\" + std::to_string(i) +
                "\n";
    }
    for (int i = 3; i < 100000; ++i) {
        text += "[Section" + std::to_string(i) + "]\nKey=" + std::to_string(i) + "\n";
        // Every thousandth name comes again in other case: its lines join the first one's.
        if (i % 1000 == 0) {
            text += "[SECTION" + std::to_string(i - 1) + "]\nMore=1\n";
        }
    }
    text += "[Strings]\nVendor=V\n";
    for (int i = 0; i < 25000; ++i) {
        text += "D" + std::to_string(i) + "=\"Device " + std::to_string(i) + "\"\n";
    }
    InfFile file;
    std::string error;
    REQUIRE(file.parse(text, error));
    REQUIRE(file.sections().size() == 100000);
    CHECK_EQ(file.sections()[2].name, std::string("Section3"));
    CHECK_EQ(file.sections()[99998].name, std::string("Section99999"));
    CHECK_EQ(file.section("section999")->entries.size(), size_t(2));
    CHECK_EQ(file.value("SECTION99999", "key"), std::string("99999"));
    CHECK(file.section("Section100000") == nullptr);
    const std::vector<formats::inf::Model> models = file.models();
    REQUIRE(models.size() == 25000);
    CHECK_EQ(models[24999].description, std::string("Device 24999"));
    CHECK_EQ(joined(models[24999].ids), std::string("ID\\24999"));

    std::string continued = "[Long]\nKey=";
    for (int i = 0; i < 100000; ++i) {
        continued += "a \\\n";
    }
    continued += "\"end\"\n";
    REQUIRE(file.parse(continued, error));
    const std::string value = file.value("Long", "Key");
    CHECK_EQ(value.size(), size_t(2 * 100000 + 3));
    CHECK_EQ(value.substr(value.size() - 5), std::string("a end"));
}

// Once every model line was compared with every manufacturer's chosen section: a file of
// this size took minutes.
TEST_CASE("models for a platform: 2.4 MB of manufacturers naming absent sections") {
    const int count = 100000;
    std::string text = "[Manufacturer]\n";
    for (int i = 0; i < count; ++i) {
        char line[32];
        std::snprintf(line, sizeof(line), "m=y%07d\n", i);
        text += line;
    }
    text += "m=Models,NTamd64\n[models.ntAMD64]\n";
    for (int i = 0; i < count; ++i) {
        char line[32];
        std::snprintf(line, sizeof(line), "d=i,ID\\%07d\n", i);
        text += line;
    }
    REQUIRE(text.size() > 2400000);
    InfFile file;
    std::string error;
    REQUIRE(file.parse(text, error));
    const std::vector<formats::inf::Model> models =
        formats::modelsFor(file, {"amd64", 10, 0, 1, 19045});
    REQUIRE(models.size() == size_t(count));
    CHECK_EQ(joined(models.back().ids), std::string("ID\\0099999"));
    CHECK(formats::modelsFor(file, {"x86", 10, 0, 1, 19045}).empty());
}

TEST_CASE("real-world corpus agrees with its reference counts") {
    const char* override = std::getenv("QUILLON_INF_CORPUS");
    const std::string corpus = override && *override ? override : QLN_INF_CORPUS;
    std::ifstream expected(corpus + "/EXPECTED.tsv");
    if (!expected) {
        std::printf("  skipped: no corpus at %s\n", corpus.c_str());
        return;
    }
    std::string line;
    std::getline(expected, line);
    int files = 0;
    int differences = 0;
    while (std::getline(expected, line)) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        std::string field;
        while (std::getline(row, field, '\t')) {
            fields.push_back(field);
        }
        if (fields.size() < 5) {
            continue;
        }
        ++files;
        InfFile file;
        std::string error;
        if (!file.load(corpus + "/" + fields[0], error)) {
            check::fail(__FILE__, __LINE__, error);
            continue;
        }
        size_t lines = 0;
        for (const std::string& name : file.modelSections()) {
            lines += file.section(name)->entries.size();
        }
        const std::string driverVer =
            !file.hasDriverVer() ? "(none)"
                                 : (file.driverVer().empty() ? "(empty)" : file.driverVer());
        const std::string got = std::to_string(idCount(file)) + "\t" + driverVer + "\t" +
                                std::to_string(file.modelSections().size()) + "\t" +
                                std::to_string(lines);
        const std::string want = fields[1] + "\t" + fields[2] + "\t" + fields[3] + "\t" + fields[4];
        if (got != want) {
            ++differences;
            std::printf("  %s\n    got  %s\n    want %s\n", fields[0].c_str(), got.c_str(),
                        want.c_str());
        }
    }
    CHECK_EQ(files, 399);
    CHECK_EQ(differences, 0);
}

CHECK_MAIN
