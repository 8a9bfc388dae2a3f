#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChannelCsv.h"
#include "ModelType.h"
#include "ScopedOverride.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "datCh.h"
#include "datFieldLayout.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

class NoCommands : public indCommands {};

// A new image of a model type with its handler context.
struct Radio {
    explicit Radio(int model) {
        cmcScriptedMessageBox boxes;
        boxes.Answer(cmcMbResult::Ok);  // yes, change the model type
        ScopedOverride boxOverride(SetCurrentMessageBoxHost, &boxes);
        doc.Start();
        doc.ChangeModelType(model, true);
    }
    cmcEeprom& Image() { return doc.WorkingImage(); }
    indDocument doc;
    NoCommands commands;
    indDocumentContext context{doc, commands, GTex()};
};

// Channels with every record field set at random (within its width), spread
// over six banks.
void FillAtRandom(Radio& radio, int model, unsigned seed) {
    std::mt19937 rng(seed);
    const int counts[] = {30, 0, 25, 20, 17, 18};
    int ch = 0;
    const uint8_t kind = ChannelKindOf(model);
    for (int bank = 0; bank < 16; ++bank) {
        SetBankCount(radio.Image(), bank, bank < 6 ? counts[bank] : 0);
    }
    for (int bank = 0; bank < 6; ++bank) {
        for (int i = 0; i < counts[bank]; ++i, ++ch) {
            datCh rec(&radio.Image());
            rec.Decode(kind, ch);
            for (const datFieldLayout& f : FieldsOfKind(kind)) {
                if (f.loc == datLoc::Bits) {
                    rec.Set(f.field, static_cast<int32_t>(rng()));
                }
            }
            rec.Set(datField::RxInhibit, 0);
            // A CTCSS tone is one of the 52 standard tones.
            for (const auto& [dtcs, code] : {std::pair{datField::RxDtcs, datField::RxCode},
                                             std::pair{datField::TxDtcs, datField::TxCode}}) {
                if (rec.Get(dtcs) == 0) {
                    rec.Set(code, static_cast<int32_t>(rng() % 52));
                }
            }
            rec.SetRxFreq(136000000 + static_cast<int32_t>(rng() % 3000) * 12500);
            rec.SetTxFreq(rng() % 2 == 0 ? rec.RxFreq()
                                         : 150000000 + static_cast<int32_t>(rng() % 100) * 6250);
            const std::string name = "Ch " + std::to_string(ch) + (ch % 7 == 0 ? ",x" : "");
            for (int k = 0; k < 12; ++k) {
                rec.Text()[k] = static_cast<uint8_t>(
                    k < static_cast<int>(name.size()) ? name[static_cast<size_t>(k)] : ' ');
            }
            rec.Encode();
        }
    }
}

std::vector<uint8_t> Bytes(const cmcEeprom& image, int from, int length) {
    return {image.Data() + from, image.Data() + from + length};
}

}  // namespace

class ChannelCsvRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(ChannelCsvRoundTrip, ExportThenImportGivesTheSameChannels) {
    const int model = GetParam();
    // What the cells can hold: random records passed once through the sheets.
    Radio source(model);
    FillAtRandom(source, model, 7u + static_cast<unsigned>(model));
    Radio original(model);
    std::vector<indCsvProblem> errors, notes;
    ASSERT_TRUE(ChannelCsv::ImportChannelCsv(
        original.context, ChannelCsv::ExportChannelCsv(source.context), errors, notes))
        << (errors.empty() ? "" : errors[0].column + ": " + errors[0].message);
    ASSERT_GE(UsedTotal(original.Image()), 100);

    const std::string csv = ChannelCsv::ExportChannelCsv(original.context);
    Radio copy(model);
    ASSERT_TRUE(ChannelCsv::ImportChannelCsv(copy.context, csv, errors, notes))
        << "line " << errors[0].line << " " << errors[0].column << ": " << errors[0].message;
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(Bytes(copy.Image(), 0x0100, 32), Bytes(original.Image(), 0x0100, 32));  // banks
    EXPECT_EQ(Bytes(copy.Image(), 0x0400, 20 * 256), Bytes(original.Image(), 0x0400, 20 * 256));
    EXPECT_EQ(Bytes(copy.Image(), 0x2000, 12 * 256), Bytes(original.Image(), 0x2000, 12 * 256));
    for (int list = 0; list < 10; ++list) {
        EXPECT_EQ(Bytes(copy.Image(), 0x0220 + 34 * list, 32),
                  Bytes(original.Image(), 0x0220 + 34 * list, 32))
            << "scan list " << list;
    }
    EXPECT_EQ(ChannelCsv::ExportChannelCsv(copy.context), csv);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, ChannelCsvRoundTrip,
                         ::testing::Values(ModelLmr, ModelPmr, ModelBiisPmr));

TEST(ChannelCsv, ShuffledQuotedSpreadsheetFileImports) {
    Radio radio(ModelPmr);
    const std::string csv =
        "\xEF\xBB\xBF"
        "narrow,rx_mhz,name,position,bank,colour\r\n"
        "Narrow,146.52,\"Base, north\",1,2,red\r\n"
        "Wide,446.00625,Hill,3,2,\r\n";
    std::vector<indCsvProblem> errors, notes;
    ASSERT_TRUE(ChannelCsv::ImportChannelCsv(radio.context, csv, errors, notes))
        << errors[0].line << " " << errors[0].column << " " << errors[0].message;
    ASSERT_EQ(notes.size(), 1u);
    EXPECT_EQ(notes[0].column, "colour");
    EXPECT_EQ(BankCount(radio.Image(), 1), 3);
    EXPECT_EQ(TotalChannels(radio.Image()), 3);
    datCh ch(&radio.Image());
    ch.Decode(KindMchPmr, BankFirst(radio.Image(), 1));
    EXPECT_EQ(ch.RxFreq(), 146520000);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(ch.Text()), 12), "Base, north ");
    ch.Decode(KindMchPmr, BankFirst(radio.Image(), 1) + 1);
    EXPECT_FALSE(ch.Used());  // position 2 was not given
    ch.Decode(KindMchPmr, BankFirst(radio.Image(), 1) + 2);
    EXPECT_EQ(ch.RxFreq(), 446006250);
}

TEST(ChannelCsv, ABadFieldNamesItsLineAndColumnAndChangesNothing) {
    Radio radio(ModelPmr);
    const std::vector<uint8_t> before = Bytes(radio.Image(), 0, radio.Image().Size());
    std::string csv = "bank,position,rx_mhz\n";
    for (int i = 1; i <= 6; ++i) {
        csv += "1," + std::to_string(i) + (i == 5 ? ",146.5212\n" : ",146.5\n");
    }
    csv += "17,1,146.5\n";  // line 8: no such bank
    std::vector<indCsvProblem> errors, notes;
    EXPECT_FALSE(ChannelCsv::ImportChannelCsv(radio.context, csv, errors, notes));
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors[0].line, 8);
    EXPECT_EQ(errors[0].column, "bank");
    errors.clear();
    csv.erase(csv.rfind("17,"));
    EXPECT_FALSE(ChannelCsv::ImportChannelCsv(radio.context, csv, errors, notes));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 6);
    EXPECT_EQ(errors[0].column, "rx_mhz");
    EXPECT_EQ(Bytes(radio.Image(), 0, radio.Image().Size()), before);
}

TEST(ChannelCsv, RowsBeyond256ChannelsDoNotFit) {
    Radio radio(ModelLmr);
    std::string csv = "bank,position,rx_mhz\n1,250,146.5\n2,7,146.5\n";
    std::vector<indCsvProblem> errors, notes;
    EXPECT_FALSE(ChannelCsv::ImportChannelCsv(radio.context, csv, errors, notes));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].line, 3);
}

// Export then import onto the same image changes no byte: banks that hold only
// blank slots keep their size, names that spreadsheets would take for formulas
// or numbers come back as they were, a damaged channel at 0 MHz is taken.
TEST_P(ChannelCsvRoundTrip, ImportOntoItsOwnSourceChangesNoByte) {
    const int model = GetParam();
    Radio radio(model);
    FillAtRandom(radio, model, 11u + static_cast<unsigned>(model));
    for (int bank = 6; bank < 16; ++bank) {
        SetBankCount(radio.Image(), bank, bank % 3 + 1);  // blank slots only
    }
    datCh ch(&radio.Image());
    const char* names[] = {"=1+2        ", "0123        ", "'q          "};
    for (int i = 0; i < 3; ++i) {
        ch.Decode(ChannelKindOf(model), i);
        std::copy(names[i], names[i] + 12, ch.Text());
        ch.Encode();
    }
    ch.Decode(ChannelKindOf(model), 3);
    ch.SetRxFreq(0);
    ch.Encode();
    const std::vector<uint8_t> before = Bytes(radio.Image(), 0, radio.Image().Size());

    const std::string csv = ChannelCsv::ExportChannelCsv(radio.context);
    EXPECT_NE(csv.find(",'=1+2,"), std::string::npos);
    EXPECT_NE(csv.find(",'0123,"), std::string::npos);
    EXPECT_NE(csv.find(",0.000000,"), std::string::npos);
    std::vector<indCsvProblem> errors, notes;
    ASSERT_TRUE(ChannelCsv::ImportChannelCsv(radio.context, csv, errors, notes))
        << "line " << errors[0].line << " " << errors[0].column << ": " << errors[0].message;
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(Bytes(radio.Image(), 0, radio.Image().Size()), before);

    Radio other(model);  // onto another file: the same partition and names
    errors.clear();
    EXPECT_TRUE(ChannelCsv::ImportChannelCsv(other.context, csv, errors, notes))
        << "line " << errors[0].line << " " << errors[0].column << ": " << errors[0].message;
    EXPECT_EQ(Bytes(other.Image(), 0x0100, 32), Bytes(radio.Image(), 0x0100, 32));
}

// Channel records and names of random bytes (damaged images), with slots
// outside every bank or a bank table reaching beyond the channel memory,
// export and import onto their own file without a byte changed.
TEST_P(ChannelCsvRoundTrip, RandomRecordsImportOntoTheirOwnFileUnchanged) {
    const int model = GetParam();
    for (unsigned seed = 1; seed <= 2; ++seed) {
        Radio radio(model);
        std::mt19937 rng(seed);
        for (int bank = 0; bank < 16; ++bank) {
            SetBankCount(radio.Image(), bank, static_cast<int>(rng() % (seed == 1 ? 17 : 40)));
        }
        for (int at = 0x0400; at < 0x0400 + 20 * 256; ++at) {
            radio.Image().SetByte(at, static_cast<uint8_t>(rng()));
        }
        for (int at = 0x2000; at < 0x2000 + 12 * 256; ++at) {
            radio.Image().SetByte(at, static_cast<uint8_t>(rng()));
        }
        const std::vector<uint8_t> before = Bytes(radio.Image(), 0, radio.Image().Size());
        std::vector<indCsvProblem> errors, notes;
        EXPECT_TRUE(ChannelCsv::ImportChannelCsv(
            radio.context, ChannelCsv::ExportChannelCsv(radio.context), errors, notes))
            << "seed " << seed << " line " << errors[0].line << " " << errors[0].column << ": "
            << errors[0].message;
        EXPECT_EQ(Bytes(radio.Image(), 0, radio.Image().Size()), before) << "seed " << seed;
    }
}
