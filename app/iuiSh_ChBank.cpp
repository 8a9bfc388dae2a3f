#include "iuiSh_ChBank.h"

#include <algorithm>

#include "CellSyntax.h"
#include "ChBanks.h"
#include "ChEvents.h"
#include "EventIds.h"
#include "ValueText.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"

namespace {

constexpr int kBanks = 16;
constexpr int kChannels = 256;
constexpr uint32_t kTitleSmarTrunk = 0xFFFF00;  // cyan
constexpr uint32_t kTitleNormal = 0x00FFFF;     // yellow

}  // namespace

iuiSh_ChBank::iuiSh_ChBank(const cuiSheetEnv& env, std::string sheetName)
    : cuiSheet(env, std::move(sheetName)) {
    EvMan().AddListener(&iuiSh_ChBank::Listener, this);
}

iuiSh_ChBank::~iuiSh_ChBank() {
    EvMan().RemoveListener(&iuiSh_ChBank::Listener, this);
}

// The first word (up to the first blank) and, after that blank, a list of
// comma-separated items; only the first item is read.
const std::string& iuiSh_ChBank::SetArgument(const std::string& argument) {
    const std::string& arg = cuiSheet::SetArgument(argument);
    const size_t blank = arg.find(' ');
    const std::string word = ValueText::Trim(std::string_view(arg).substr(0, blank));
    if (word != "Bank") {
        return arg;
    }
    if (blank != std::string::npos) {
        const std::string_view rest = std::string_view(arg).substr(blank + 1);
        const std::string item = ValueText::Trim(rest.substr(0, rest.find(',')));
        if (!item.empty()) {
            // Far out of range (or not a number) stands for no bank at all,
            // without overflowing the conversion.
            const double n = ParseDecimal(item);
            bank_ = n >= -1 && n <= kBanks ? static_cast<int>(n) : kBanks;
        }
    }
    firstChannel_ = 0;
    channelCount_ = 0;
    if (const cmcEeprom* image = Env().image) {
        for (int b = 0; b < std::min(bank_, kBanks); ++b) {
            firstChannel_ += BankCount(*image, b);
        }
        channelCount_ = BankCount(*image, bank_);
    }
    return arg;
}

void iuiSh_ChBank::Build() {
    cuiSheet::Build();
    EvMan().Post(EventIds::BankSheetRefresh, nullptr, 0);
}

void iuiSh_ChBank::CountRows(cmcSheetRowReader& reader) {
    loopStartRow_ = -1;
    bankLoop_ = false;
    cuiSheet::CountRows(reader);
}

// "LoopFrom" written alone repeats its body once per channel of the bank; on
// screen once more for the entry row, and the rows from there on do not join
// multiple selections.
bool iuiSh_ChBank::DirectiveKey(std::string_view group, cmcSheetRowReader& reader) {
    if (ValueText::Trim(group) != "LoopFrom") {
        return false;
    }
    const bool printing = Env().printing;
    reader.StartLoop(printing ? channelCount_ : channelCount_ + 1);
    if (!printing) {
        selectBeforeLoop_ = reader.MultiSelect();
        reader.SetMultiSelect(false);
    }
    if (loopStartRow_ == -1) {
        loopStartRow_ = static_cast<int>(reader.Rows().size());
    }
    bankLoop_ = true;
    return true;
}

// The grid can grow into rows made in advance; the channel rows take part in
// multiple selection as the rows before the loop did, the entry row does not.
void iuiSh_ChBank::BuildCells() {
    cuiSheet::BuildCells();
    ExtendCapacity(std::max(kCellRows, Rows()));
    if (bankLoop_ && !Env().printing) {
        const int end = std::min(loopStartRow_ + channelCount_, Rows());
        for (int row = loopStartRow_; row < end; ++row) {
            SetRowMultiSelect(row, selectBeforeLoop_);
        }
    }
}

void iuiSh_ChBank::RowHook(int row) {
    if (row == loopStartRow_) {
        MutableChannelVars()[0] = firstChannel_;
    }
}

void iuiSh_ChBank::PrepareCapsule(indCellCapsule& capsule, int row, int col) {
    cuiSheet::PrepareCapsule(capsule, row, col);
    capsule.Bank = bank_;
}

bool iuiSh_ChBank::SmarTrunkBank() const {
    return Env().image != nullptr && BankSmarTrunk(*Env().image, bank_);
}

std::string iuiSh_ChBank::GetTitle() const {
    const std::string smarTrunk =
        SmarTrunkBank() ? Texts().GetText("GI_AppInd_MchSheet_Printer_SmarTrunk") : "";
    return Texts().GetText("GI_AppInd_MchSheet_Printer_Head") + " " + std::to_string(bank_ + 1) +
           " " + smarTrunk + " ";
}

bool iuiSh_ChBank::IsPrintable() const {
    return cuiSheet::IsPrintable() && channelCount_ > 0;
}

void iuiSh_ChBank::Listener(void* data, const cmcEvent& event) {
    static_cast<iuiSh_ChBank*>(data)->OnEvent(event);
}

void iuiSh_ChBank::OnEvent(const cmcEvent& event) {
    switch (event.kind) {
        case EventIds::ChannelQuery:
            if (event.mode == cmcEvMode::Query) {
                EvMan().Answer(bank_, firstChannel_);
            }
            break;
        case EventIds::BankSheetRefresh:
            RefreshTitle();
            break;
        case EventIds::ChannelInserted:
            ChannelInserted();
            break;
        case EventIds::ChannelDeleted:
            ChannelDeleted();
            break;
        default:
            break;
    }
}

void iuiSh_ChBank::RefreshTitle() {
    if (!HasTitle()) {
        return;
    }
    const bool smarTrunk = SmarTrunkBank();
    const int left = kChannels - (Env().image != nullptr ? TotalChannels(*Env().image) : 0);
    const std::string smarTrunkText =
        smarTrunk ? Texts().GetText("GI_AppInd_MchSheet_Printer_SmarTrunk") : "";
    SetTitle(Style().titleString + " " + std::to_string(bank_ + 1) + " " + smarTrunkText +
                 "  (Left CH - " + std::to_string(left) + ")",
             smarTrunk ? kTitleSmarTrunk : kTitleNormal);
}

// The entry row becomes the new channel's row; the row made in advance after
// it becomes the entry row.
void iuiSh_ChBank::ChannelInserted() {
    if (loopStartRow_ < 0 || Rows() == 0 || Rows() >= Capacity()) {
        return;
    }
    const int last = Rows() - 1;
    SetRowMultiSelect(last, selectBeforeLoop_);
    SetRowMultiSelect(last + 1, false);
    SetRowCount(Rows() + 1);
    ++channelCount_;
}

// The last channel row becomes the entry row; the cursor moves up one row.
void iuiSh_ChBank::ChannelDeleted() {
    if (loopStartRow_ < 0 || Rows() <= loopStartRow_ + 1) {
        return;
    }
    SetRowMultiSelect(Rows() - 2, false);
    SetRowCount(Rows() - 1);
    channelCount_ = std::max(0, channelCount_ - 1);
    cuiCellPos pos = Current();
    pos.row = std::min(std::max(pos.row - 1, 0), Rows() - 1);
    SetCurrent(pos);
}
