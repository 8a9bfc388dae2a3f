#include "indChannelCsv.h"

#include <algorithm>
#include <map>
#include <optional>

#include "CellNames.h"
#include "ChBanks.h"
#include "ChShift.h"
#include "ModelType.h"
#include "cmcCellObj.h"
#include "cmcCsv.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "indCodec.h"
#include "indDocumentContext.h"
#include "indValueText.h"
#include "indWarningCheck.h"
#include "iuiSh_ChBank.h"

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
        std::unique_ptr<cuiSheet> sheet = ctx.MakeSheet(BankSheetReference(ctx.ModelType(), 0));
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

std::string Normal(std::string_view text) {
    return ValueText::Upper(ValueText::Trim(text));
}

bool IsNumber(const std::string& s) {
    return !s.empty() && ValueText::HasDigit(s) &&
           s.find_first_not_of("0123456789.-") == std::string::npos;
}

// Whether the cell shows what the field asked for.
bool Matches(const std::string& shown, const std::string& wanted) {
    const std::string a = Normal(shown), b = Normal(wanted);
    if (a == b) {
        return true;
    }
    return IsNumber(a) && IsNumber(b) && ValueText::ParseDecimal(a) == ValueText::ParseDecimal(b);
}

// Types the field into the cell as the window would: the in-place editor,
// else the cell's choice list (the entry with that text), else the flag-digit
// pop-up. True when the cell then shows the field.
bool Enter(indDocumentContext& ctx, int item, int channel, int bank, const std::string& text) {
    indActiveCell& h = ctx.Handler();
    if (item == CL_Mch_Atr) {  // letters of the attribute list's entries
        for (char letter : Normal(text)) {
            const int row = letter == 'A' ? 1 : letter == 'B' ? 2 : letter == 'E' ? 3 : 0;
            CellRequest r(item, channel, bank);
            cmcCellObj entry;
            entry.item = Flex0;
            entry.index = row;
            indCellCapsule sub;
            sub.Cell = &entry;
            r.capsule.Editable = 1;
            r.capsule.EditResult = 2;
            r.capsule.SubCell = &sub;
            h.HandleCell(r.capsule);
        }
        return Matches(Shown(ctx, item, channel, bank), text);
    }
    {
        CellRequest r(item, channel, bank);
        r.capsule.Editable = 1;
        r.capsule.EditResult = 1;
        r.capsule.InputText = text;
        h.HandleCell(r.capsule);
    }
    if (Matches(Shown(ctx, item, channel, bank), text)) {
        return true;
    }
    CellRequest open(item, channel, bank);
    open.capsule.Editable = 1;
    open.capsule.Key = Keys::Enter;
    if (h.HandleCell(open.capsule) != 1) {
        return false;
    }
    const indPopupRequest& popup = open.capsule.Popup;
    CellRequest answer(item, channel, bank);
    answer.capsule.Editable = 1;
    answer.capsule.EditResult = 2;
    cmcCellObj entry;
    indCellCapsule sub;
    if (popup.kind == indPopupRequest::Kind::FlagBits) {
        const int32_t bits =
            Codec::FlagBitsFromPattern(ValueText::Trim(text), popup.first, popup.last);
        answer.capsule.InputText =
            std::to_string(Codec::PlaceFlagBits(bits, popup.first, popup.last));
    } else {
        const cmcChoiceTable& table = ctx.Lists().Table(popup.list, popup.entryKind);
        const auto found =
            std::find_if(table.byValue.begin(), table.byValue.end(),
                         [&](const cmcChoiceEntry& e) { return Normal(e.text) == Normal(text); });
        if (found == table.byValue.end()) {
            return false;
        }
        entry.item = popup.entryKind;
        entry.index = found->value;
        sub.Cell = &entry;
        answer.capsule.SubCell = &sub;
    }
    h.HandleCell(answer.capsule);
    return Matches(Shown(ctx, item, channel, bank), text);
}

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

}  // namespace

namespace {
// The header of an export, in column order.
std::vector<std::string> HeaderOf(const std::vector<int>& items) {
    std::vector<std::string> header = {"bank", "position"};
    for (int item : items) {
        header.emplace_back(NameOf(item));
    }
    return header;
}
}  // namespace

std::string ExportChannelCsv(indDocumentContext& context) {
    const std::vector<int> items = ChannelItems(context);
    std::string out = FormatCsvRecord(HeaderOf(items));
    const cmcEeprom& image = context.WorkingImage();
    for (int bank = 0; bank < Banks; ++bank) {
        const int first = BankFirst(image, bank);
        for (int ch = first; ch <= BankLast(image, bank); ++ch) {
            if (IsBlankChannel(image, ch)) {
                continue;
            }
            std::vector<std::string> row = {std::to_string(bank + 1),
                                            std::to_string(ch - first + 1)};
            for (int item : items) {
                row.push_back(Shown(context, item, ch, bank));
            }
            out += FormatCsvRecord(row);
        }
    }
    return out;
}

bool ImportChannelCsv(indDocumentContext& context, std::string_view csv,
                      std::vector<indCsvProblem>& errors, std::vector<indCsvProblem>& notes) {
    const std::vector<cmcCsvRecord> records = ParseCsv(csv);
    if (records.empty()) {
        errors.push_back({0, "", "the file holds no header line"});
        return false;
    }
    // Columns by name: bank, position and the model's channel items.
    std::map<std::string, int> known;  // name -> item (-1 bank, -2 position)
    known["bank"] = -1;
    known["position"] = -2;
    for (int item : ChannelItems(context)) {
        known[NameOf(item)] = item;
    }
    const cmcCsvRecord& header = records.front();
    std::vector<int> columnItem(header.fields.size(), 0);
    std::vector<std::string> columnName(header.fields.size());
    int bankCol = -1, posCol = -1;
    for (size_t i = 0; i < header.fields.size(); ++i) {
        std::string name = ValueText::Trim(header.fields[i]);
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
        columnName[i] = name;
        const auto it = known.find(name);
        if (it == known.end()) {
            notes.push_back({header.line, name, "unknown column, ignored"});
            columnItem[i] = 0;
            continue;
        }
        columnItem[i] = it->second;
        bankCol = it->second == -1 ? static_cast<int>(i) : bankCol;
        posCol = it->second == -2 ? static_cast<int>(i) : posCol;
    }
    if (bankCol < 0 || posCol < 0) {
        errors.push_back({header.line, bankCol < 0 ? "bank" : "position", "the column is missing"});
        return false;
    }

    // Where each row goes, and how many channels each bank then holds.
    struct Row {
        const cmcCsvRecord* record;
        int bank;
        int position;
    };
    std::vector<Row> rows;
    int counts[Banks] = {};
    std::map<std::pair<int, int>, int> seen;
    for (size_t r = 1; r < records.size(); ++r) {
        const cmcCsvRecord& rec = records[r];
        auto field = [&](int col) {
            return col < static_cast<int>(rec.fields.size()) ? rec.fields[static_cast<size_t>(col)]
                                                             : std::string();
        };
        const auto bank = WholeNumber(field(bankCol));
        const auto pos = WholeNumber(field(posCol));
        if (!bank || *bank < 1 || *bank > Banks) {
            errors.push_back({rec.line, "bank", "'" + field(bankCol) + "' is not a bank 1 to 16"});
            continue;
        }
        if (!pos || *pos < 1 || *pos > MaxChannels) {
            errors.push_back(
                {rec.line, "position", "'" + field(posCol) + "' is not a position 1 to 256"});
            continue;
        }
        const auto [where, fresh] = seen.try_emplace({*bank, *pos}, rec.line);
        if (!fresh) {
            errors.push_back({rec.line, "position",
                              "bank " + std::to_string(*bank) + " position " +
                                  std::to_string(*pos) + " is also on line " +
                                  std::to_string(where->second)});
            continue;
        }
        rows.push_back({&rec, *bank - 1, *pos});
        counts[*bank - 1] = std::max(counts[*bank - 1], *pos);
    }
    // A row whose place lies beyond the 256th channel does not fit.
    int before[Banks + 1] = {};
    for (int b = 0; b < Banks; ++b) {
        before[b + 1] = before[b] + counts[b];
    }
    for (const Row& row : rows) {
        if (before[row.bank] + row.position > MaxChannels) {
            errors.push_back({row.record->line, "position",
                              "the channel does not fit: the radio holds at most 256 channels"});
        }
    }
    if (!errors.empty()) {
        return false;
    }

    // Fill a copy; the working image changes only when every row was taken.
    cmcEeprom& image = context.WorkingImage();
    cmcEeprom backup;
    backup.Assign(image);
    ClearChannels(context);
    const uint8_t kind = ChannelKindOf(context.ModelType());
    for (int b = 0; b < Banks; ++b) {
        ResizeBank(image, context.TemplateImage(), kind, b, counts[b]);
    }
    // Receive frequency first: it takes the channel into use.
    std::vector<size_t> order;
    for (size_t i = 0; i < columnItem.size(); ++i) {
        if (columnItem[i] == CL_Mch_FreqR) {
            order.insert(order.begin(), i);
        } else if (columnItem[i] > 0) {
            order.push_back(i);
        }
    }
    for (const Row& row : rows) {
        const int channel = BankFirst(image, row.bank) + row.position - 1;
        for (size_t i : order) {
            const std::string value = i < row.record->fields.size()
                                          ? ValueText::Trim(row.record->fields[i])
                                          : std::string();
            if (value.empty() || Matches(Shown(context, columnItem[i], channel, row.bank), value)) {
                continue;  // nothing to type
            }
            if (!Enter(context, columnItem[i], channel, row.bank, value)) {
                errors.push_back({row.record->line, columnName[i],
                                  "'" + value + "' was not accepted; the cell shows '" +
                                      Shown(context, columnItem[i], channel, row.bank) + "'"});
            }
        }
    }
    EvMan().Pump();
    if (!errors.empty()) {
        image.Assign(backup);
        return false;
    }
    context.CheckModified();
    return true;
}
