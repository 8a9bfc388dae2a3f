#include "ChannelCsv.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>

#include "BankSheets.h"
#include "CellNames.h"
#include "ChBanks.h"
#include "ChLayout.h"
#include "ChShift.h"
#include "Codec.h"
#include "Csv.h"
#include "Excerpt.h"
#include "ModelType.h"
#include "ShownText.h"
#include "ValueText.h"
#include "cmcCellObj.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "datCh.h"
#include "indCellSession.h"
#include "indDocumentContext.h"
#include "iuiSh_ChBank.h"

namespace ChannelCsv {

namespace {

constexpr int Banks = 16;
constexpr int MaxChannels = 256;

// The stable column name of every channel item.
struct CsvName {
    int item;
    const char* name;
};
constexpr CsvName kNames[] = {
    {CL_Mch_Text, "name"},
    {CL_Mch_FreqR, "rx_mhz"},
    {CL_Mch_FreqT, "tx_mhz"},
    {CL_Mch_CTone_R, "rx_tone"},
    {CL_Mch_CTone_T, "tx_tone"},
    {CL_Mch_RfPo, "power"},
    {CL_Mch_Nar, "narrow"},
    {CL_Mch_Atr, "attributes"},
    {CL_Mch_Inh, "rx_inhibit"},
    {CL_Mch_TxInh, "tx_inhibit"},
    {CL_Mch_Compander, "compander"},
    {CL_Mch_PwrSave, "power_save"},
    {CL_Mch_Tot, "time_out_timer"},
    {CL_Mch_Lockout, "lockout"},
    {CL_Mch_Scan, "scan_lists"},
    {CL_Mch_AutoReset, "auto_reset"},
    {CL_Mch_2Tone, "two_tone"},
    {CL_Mch_Log, "log"},
    {CL_Mch_Scan_Inc, "scan_add"},
    {CL_Mch_Scrm_On, "scrambler"},
    {CL_Mch_Scrm_Code, "scrambler_code"},
    {CL_Mch_Moni, "monitor"},
    {CL_Mch_Sel, "selective_call"},
    {CL_Mch_Call, "call"},
    {CL_Mch_PTT, "ptt"},
    {CL_Mch_CH_Mute, "channel_mute"},
    {CL_Mch_Form, "format"},
    {CL_Mch_Rpt_C, "repeater_code"},
    {CL_Mch_Rpt_L, "repeater_long"},
    {CL_Mch_Stn_C, "station_code"},
    {CL_Mch_Stn_L, "station_long"},
    {CL_Mch_Id_C, "id_code"},
    {CL_Mch_Id_L, "id_long"},
    {CL_Mch_Pos, "signal_position"},
    {CL_Mch_RxCNo, "rx_codes"},
    {CL_Mch_RxCNo2, "rx_codes_2"},
    {CL_Mch_Msk_Sig, "msk_signal"},
    {CL_Mch_Msk_SendStatus, "msk_send_status"},
    {CL_Mch_Msk_Rpt, "msk_repeater"},
    {CL_Mch_Msk_Stn, "msk_station"},
    {CL_Mch_Msk_RxCNo, "msk_rx_codes"},
};
// The leading columns, in this order, whatever the sheet's order.
constexpr int kLeading[] = {CL_Mch_Text,    CL_Mch_FreqR, CL_Mch_FreqT, CL_Mch_CTone_R,
                            CL_Mch_CTone_T, CL_Mch_RfPo,  CL_Mch_Nar};

const char* NameOf(int item) {
    for (const CsvName& n : kNames) {
        if (n.item == item) {
            return n.name;
        }
    }
    return nullptr;
}

// The channel items the model's bank sheet shows, leading columns first.
std::vector<int> ChannelItems(indDocumentContext& ctx) {
    std::vector<int> shown;
    {
        std::unique_ptr<cuiSheet> sheet = ctx.MakeSheet(BankSheets::Reference(ctx.ModelType(), 0));
        const auto* bank = dynamic_cast<iuiSh_ChBank*>(sheet.get());
        const int row = bank != nullptr ? bank->LoopStartRow() : -1;
        for (int col = 0; row >= 0 && col < sheet->Columns(); ++col) {
            const cmcCellObj& cell = sheet->Cell(row, col);
            if (cell.category == CT_Mch && NameOf(cell.item) != nullptr &&
                std::find(shown.begin(), shown.end(), cell.item) == shown.end()) {
                shown.push_back(cell.item);
            }
        }
    }
    EvMan().Pump();  // the sheet's own events are of no interest here
    std::vector<int> items;
    for (int item : kLeading) {
        if (std::find(shown.begin(), shown.end(), item) != shown.end()) {
            items.push_back(item);
        }
    }
    for (int item : shown) {
        if (std::find(items.begin(), items.end(), item) == items.end()) {
            items.push_back(item);
        }
    }
    return items;
}

// One request on a channel cell.
struct CellRequest {
    cmcCellObj cell;
    indCellCapsule capsule;

    CellRequest(int item, int channel, int bank) {
        cell.category = CT_Mch;
        cell.item = item;
        cell.index = channel;
        capsule.Cell = &cell;
        capsule.Bank = bank;
    }
};

std::string Shown(indDocumentContext& ctx, int item, int channel, int bank) {
    CellRequest r(item, channel, bank);
    ctx.Handler().HandleCell(r.capsule);
    std::string text = r.capsule.DisplayText;
    if (text == "----") {
        return "";  // the column does not apply to this channel
    }
    if (text == "<-") {  // the same as the receive side
        return Shown(ctx, item == CL_Mch_FreqT ? CL_Mch_FreqR : CL_Mch_CTone_R, channel, bank);
    }
    while (!text.empty() && text.back() == '\n') {
        text.pop_back();
    }
    return text;
}

// The bank sheet of the rows being typed and its cell session: each field
// is typed into its cell as the window would type it.
class BankCells {
  public:
    explicit BankCells(indDocumentContext& ctx) : ctx_(ctx) {}

    // Types the field into the channel's cell; true when the cell then shows it.
    bool Enter(int item, int channel, int bank, const std::string& text) {
        if (!Show(bank) || !Select(item, channel)) {
            return false;
        }
        if (item == CL_Mch_Atr) {  // letters of the attribute list's entries
            for (char letter : ShownText::NormalShownText(text)) {
                cells_->Choose(letter == 'A' ? 1 : letter == 'B' ? 2 : letter == 'E' ? 3 : 0);
                Select(item, channel);
            }
        } else {
            cells_->Type(text);
        }
        return ShownText::ShowsTypedText(Shown(ctx_, item, channel, bank), text);
    }

  private:
    bool Show(int bank) {
        if (sheet_ && bank_ == bank) {
            return true;
        }
        cells_.reset();
        sheet_.reset();
        EvMan().Pump();  // the last sheet's events
        sheet_ = ctx_.MakeSheet(BankSheets::Reference(ctx_.ModelType(), bank));
        cells_ = std::make_unique<indCellSession>(*sheet_, ctx_);
        bank_ = bank;
        return true;
    }
    bool Select(int item, int channel) {
        const auto at = sheet_->FindCell(CT_Mch, item, channel);
        if (at) {
            sheet_->SetCurrent(*at);
            cells_->ClosePopup();
        }
        return at.has_value();
    }

    indDocumentContext& ctx_;
    std::unique_ptr<cuiSheet> sheet_;
    std::unique_ptr<indCellSession> cells_;
    int bank_ = -1;
};

std::optional<int> WholeNumber(const std::string& field) {
    const std::string t = ValueText::Trim(field);
    if (t.empty() || t.size() > 4 || t.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(t);
}

// Empties every bank: all channels become the template's blank records.
void ClearChannels(indDocumentContext& ctx) {
    const uint8_t kind = ChannelKindOf(ctx.ModelType());
    for (int bank = 0; bank < Banks; ++bank) {
        ResizeBank(ctx.WorkingImage(), ctx.TemplateImage(), kind, bank, 0);
    }
}

// Columns that hold numbers; every other column is text and written so that
// spreadsheets keep it as text.
bool IsNumberColumn(int item) {
    return item == CL_Mch_FreqR || item == CL_Mch_FreqT;
}

// The header of an export, in column order.
std::vector<std::string> HeaderOf(const std::vector<int>& items) {
    std::vector<std::string> header = {"bank", "position"};
    for (int item : items) {
        header.emplace_back(NameOf(item));
    }
    return header;
}

constexpr int BankColumn = -1;
constexpr int PositionColumn = -2;

// What the header line says: the item of each field (BankColumn,
// PositionColumn, a channel item, or 0 for a column that is ignored).
struct CsvColumns {
    std::vector<int> item;
    std::vector<std::string> name;  // trimmed, lower case
    int bank = -1;                  // the field index of bank and position
    int position = -1;
    // The field index of a channel item; -1 when the file has no such column.
    int Of(int channelItem) const {
        const auto found = std::find(item.begin(), item.end(), channelItem);
        return found == item.end() ? -1 : static_cast<int>(found - item.begin());
    }
};

bool ReadHeader(const cmcCsvRecord& header, const std::vector<int>& items, CsvColumns& columns,
                std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes) {
    std::map<std::string, int> known = {{"bank", BankColumn}, {"position", PositionColumn}};
    for (int item : items) {
        known[NameOf(item)] = item;
    }
    std::map<std::string, size_t> seen;  // name -> first field index
    for (size_t i = 0; i < header.fields.size(); ++i) {
        std::string name = ValueText::Trim(header.fields[i]);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        columns.name.push_back(name);
        const auto [first, fresh] = seen.try_emplace(name, i);
        if (!fresh && !name.empty()) {
            errors.push_back({header.line, name,
                              "the column is named twice (fields " +
                                  std::to_string(first->second + 1) + " and " +
                                  std::to_string(i + 1) + ")"});
        }
        const auto it = known.find(name);
        columns.item.push_back(it == known.end() ? 0 : it->second);
        if (it == known.end()) {
            notes.push_back({header.line, name, "unknown column, ignored"});
        }
    }
    columns.bank = columns.Of(BankColumn);
    columns.position = columns.Of(PositionColumn);
    if (columns.bank < 0 || columns.position < 0) {
        errors.push_back(
            {header.line, columns.bank < 0 ? "bank" : "position", "the column is missing"});
    }
    return errors.empty();
}

// One channel row of the file and where it goes.
struct CsvRow {
    int line = 0;
    int bank = 0;                     // 0..15
    int position = 0;                 // 1..
    std::vector<std::string> values;  // per field: the text to type (trimmed, apostrophe and
                                      // control bytes removed)
    bool keep = false;                // the file's channel at this place already shows the row
    const std::string& Value(int field) const {
        static const std::string none;
        return field >= 0 && field < static_cast<int>(values.size())
                   ? values[static_cast<size_t>(field)]
                   : none;
    }
};

// The text of a field to type; control bytes are dropped with a note.
std::string FieldText(std::string_view field, int line, const std::string& column,
                      std::vector<indCsvProblem>& notes) {
    const std::string text = Csv::UnprotectCsvText(ValueText::Trim(field));
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char ch) { return !Excerpt::IsControlByte(ch); });
    if (kept.size() != text.size()) {
        notes.push_back(
            {line, column, "control bytes dropped from " + Excerpt::QuoteExcerpt(text)});
    }
    return kept;
}

// Bank, position and the texts of a record; false with an error when the
// record does not name a place or has more fields than the header.
bool ReadRow(const cmcCsvRecord& record, const CsvColumns& columns, CsvRow& row,
             std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes) {
    row.line = record.line;
    if (record.fields.size() > columns.item.size()) {
        errors.push_back({record.line, "",
                          std::to_string(record.fields.size()) + " fields, but the header names " +
                              std::to_string(columns.item.size()) + " columns"});
        return false;
    }
    auto field = [&](int col) {
        return col < static_cast<int>(record.fields.size())
                   ? record.fields[static_cast<size_t>(col)]
                   : std::string();
    };
    const auto bank = WholeNumber(field(columns.bank));
    const auto pos = WholeNumber(field(columns.position));
    if (!bank || *bank < 1 || *bank > Banks) {
        errors.push_back({record.line, "bank",
                          Excerpt::QuoteExcerpt(field(columns.bank)) + " is not a bank 1 to 16"});
        return false;
    }
    if (!pos || *pos < 1 || *pos > MaxChannels) {
        errors.push_back(
            {record.line, "position",
             Excerpt::QuoteExcerpt(field(columns.position)) + " is not a position 1 to 256"});
        return false;
    }
    row.bank = *bank - 1;
    row.position = *pos;
    row.values.resize(record.fields.size());
    for (size_t i = 0; i < record.fields.size(); ++i) {
        if (columns.item[i] > 0) {
            row.values[i] = FieldText(record.fields[i], record.line, columns.name[i], notes);
        }
    }
    return true;
}

// Whether the channel shows, in every channel column, what the row gives
// (an empty field or a missing column: the cell shows nothing).
bool ShowsRow(indDocumentContext& ctx, const std::vector<int>& items, const CsvColumns& columns,
              const CsvRow& row, int channel) {
    return std::all_of(items.begin(), items.end(), [&](int item) {
        const std::string& value = row.Value(columns.Of(item));
        const std::string shown = Shown(ctx, item, channel, row.bank);
        return value.empty() ? shown.empty() : ShownText::ShowsTypedText(shown, value);
    });
}

// Copies a channel with every byte of its record, its name, its scan-list
// membership and its marks from one image into another.
void CopyChannel(const cmcEeprom& from, int source, cmcEeprom& to, int target, uint8_t kind) {
    datCh rec;
    rec.BindReadOnly(&from);
    rec.Decode(kind, source);
    rec.Bind(&to);
    rec.SetRow(target);
    rec.Encode();
    uint8_t raw[ChLayout::ChannelSize];
    from.ReadBlock(ChLayout::ChannelAddress(source), raw, ChLayout::ChannelSize);
    to.WriteBlock(ChLayout::ChannelAddress(target), raw, ChLayout::ChannelSize);
    uint8_t name[ChLayout::NameSize];
    from.ReadBlock(ChLayout::NameBase + ChLayout::NameSize * source, name, ChLayout::NameSize);
    to.WriteBlock(ChLayout::NameBase + ChLayout::NameSize * target, name, ChLayout::NameSize);
}

// A channel in use at 0 MHz, as export writes a damaged channel: the receive
// cell refuses 0, so the record takes it directly and the export reads back.
void TakeIntoUseAtZero(indDocumentContext& ctx, int channel) {
    datCh rec(&ctx.WorkingImage());
    rec.Decode(ChannelKindOf(ctx.ModelType()), channel);
    rec.SetUsed(true);
    rec.SetRxFreq(0);
    rec.Encode();
}

// Types the row's fields into its channel, receive frequency first (it takes
// the channel into use; when it is refused the rest of the row is not tried).
void TypeRow(indDocumentContext& ctx, BankCells& cells, const CsvColumns& columns,
             const CsvRow& row, int channel, std::vector<indCsvProblem>& errors) {
    std::vector<size_t> order;
    for (size_t i = 0; i < row.values.size(); ++i) {
        if (columns.item[i] == CL_Mch_FreqR) {
            order.insert(order.begin(), i);
        } else if (columns.item[i] > 0) {
            order.push_back(i);
        }
    }
    for (size_t i : order) {
        const int item = columns.item[i];
        const std::string& value = row.values[i];
        if (value.empty() ||
            ShownText::ShowsTypedText(Shown(ctx, item, channel, row.bank), value)) {
            continue;  // nothing to type
        }
        if (item == CL_Mch_FreqR && ShownText::IsNumberText(value) &&
            ValueText::ParseDecimal(value) == 0) {
            TakeIntoUseAtZero(ctx, channel);
            continue;
        }
        if (!cells.Enter(item, channel, row.bank, value)) {
            errors.push_back({row.line, columns.name[i],
                              Excerpt::QuoteExcerpt(value) + " was not accepted; the cell shows " +
                                  Excerpt::QuoteExcerpt(Shown(ctx, item, channel, row.bank))});
            if (item == CL_Mch_FreqR) {
                return;
            }
        }
    }
}

}  // namespace

std::string ExportChannelCsv(indDocumentContext& context) {
    const std::vector<int> items = ChannelItems(context);
    std::string out = Csv::FormatCsvRecord(HeaderOf(items));
    const cmcEeprom& image = context.WorkingImage();
    for (int bank = 0; bank < Banks; ++bank) {
        const int first = BankFirst(image, bank);
        for (int ch = first; ch <= BankLast(image, bank) && ch - first < MaxChannels; ++ch) {
            std::vector<std::string> row = {std::to_string(bank + 1),
                                            std::to_string(ch - first + 1)};
            // A damaged bank table can reach beyond the channel memory: such
            // a place is written bare (up to the highest position a bank has).
            for (int item : items) {
                if (ch >= MaxChannels) {
                    row.emplace_back();
                    continue;
                }
                const std::string shown = Shown(context, item, ch, bank);
                row.push_back(IsNumberColumn(item) ? shown : Csv::ProtectCsvText(shown));
            }
            out += Csv::FormatCsvRecord(row);
        }
    }
    return out;
}

bool ImportChannelCsv(indDocumentContext& context, std::string_view csv,
                      std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes) {
    const std::vector<cmcCsvRecord> records = Csv::ParseCsv(csv);
    if (records.empty()) {
        errors.push_back({0, "", "the file holds no header line"});
        return false;
    }
    const std::vector<int> items = ChannelItems(context);
    CsvColumns columns;
    if (!ReadHeader(records.front(), items, columns, errors, notes)) {
        return false;
    }

    // Where each row goes, and how many channels each bank then holds.
    cmcEeprom& image = context.WorkingImage();
    std::vector<CsvRow> rows;
    int counts[Banks] = {};
    std::map<std::pair<int, int>, int> seen;
    for (size_t r = 1; r < records.size(); ++r) {
        CsvRow row;
        if (!ReadRow(records[r], columns, row, errors, notes)) {
            continue;
        }
        const auto [where, fresh] = seen.try_emplace({row.bank, row.position}, row.line);
        if (!fresh) {
            errors.push_back({row.line, "position",
                              "bank " + std::to_string(row.bank + 1) + " position " +
                                  std::to_string(row.position) + " is also on line " +
                                  std::to_string(where->second)});
            continue;
        }
        // A row the file's channel at the same place already shows keeps that
        // channel byte for byte, with what the sheets show but typing would not take.
        const int channel = BankFirst(image, row.bank) + row.position - 1;
        row.keep = row.position <= BankCount(image, row.bank) && channel < MaxChannels &&
                   ShowsRow(context, items, columns, row, channel);
        counts[row.bank] = std::max(counts[row.bank], row.position);
        rows.push_back(std::move(row));
    }
    // A row whose place lies beyond the 256th channel does not fit, unless the
    // file's own bank table (damaged) already reaches there and the row is
    // bare, as export writes such a place.
    const bool samePartition = [&] {
        for (int b = 0; b < Banks; ++b) {
            if (counts[b] != BankCount(image, b)) {
                return false;
            }
        }
        return true;
    }();
    int before[Banks + 1] = {};
    for (int b = 0; b < Banks; ++b) {
        before[b + 1] = before[b] + counts[b];
    }
    for (const CsvRow& row : rows) {
        const bool bare = std::all_of(row.values.begin(), row.values.end(),
                                      [](const std::string& v) { return v.empty(); });
        if (before[row.bank] + row.position > MaxChannels && !(samePartition && bare)) {
            errors.push_back({row.line, "position",
                              "the channel does not fit: the radio holds at most 256 channels"});
        }
    }
    if (!errors.empty()) {
        return false;
    }

    // Fill the image; it is put back as it was unless every row was taken.
    cmcEeprom backup;
    backup.Assign(image);
    ClearChannels(context);
    const uint8_t kind = ChannelKindOf(context.ModelType());
    for (int b = 0; b < Banks; ++b) {
        ResizeBank(image, context.TemplateImage(), kind, b, counts[b]);
    }
    {
        BankCells cells(context);  // closes its sheet before the bank table is set
        for (const CsvRow& row : rows) {
            const int channel = BankFirst(image, row.bank) + row.position - 1;
            if (channel >= MaxChannels) {
                continue;  // a bare place beyond the channel memory
            }
            if (row.keep) {
                CopyChannel(backup, BankFirst(backup, row.bank) + row.position - 1, image, channel,
                            kind);
            } else {
                TypeRow(context, cells, columns, row, channel, errors);
            }
        }
    }
    if (samePartition) {  // also where the bank table reaches beyond the memory
        for (int b = 0; b < Banks; ++b) {
            SetBankCount(image, b, counts[b]);
        }
    }
    // Slots outside every bank, before and after, are none of the file's
    // channels: they keep their bytes (moving the banks passed them on).
    for (int ch = std::max(TotalChannels(backup), TotalChannels(image)); ch < MaxChannels; ++ch) {
        CopyChannel(backup, ch, image, ch, kind);
    }
    EvMan().Pump();
    if (!errors.empty()) {
        image.Assign(backup);
        return false;
    }
    context.CheckModified();
    return true;
}

std::string DescribeCsvProblem(const indCsvProblem& p) {
    return "line " + std::to_string(p.line) +
           (p.column.empty() ? "" : ", column " + Excerpt::CleanExcerpt(p.column)) + ": " +
           p.message;
}

}  // namespace ChannelCsv
