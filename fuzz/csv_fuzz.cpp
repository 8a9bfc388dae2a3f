// Comma-separated values of any bytes: the record reader (its records written
// out and read again give the same fields), then the channel import into a
// document of each model type. A refused import names a problem and leaves
// the image exactly as it was; an accepted one exports to values that import
// again to the same image.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ChannelCsv.h"
#include "Csv.h"
#include "FuzzSupport.h"
#include "ModelType.h"
#include "cmcEeprom.h"
#include "indDocument.h"
#include "indDocumentContext.h"

namespace {

void RecordsRoundTrip(std::string_view text) {
    const std::vector<cmcCsvRecord> records = Csv::ParseCsv(text);
    std::string written;
    for (const cmcCsvRecord& r : records) {
        FuzzExpect(!r.fields.empty(), "a record has a field");
        if (r.fields.size() == 1 && r.fields[0].empty()) {
            return;  // written, it would be a blank line
        }
        written += Csv::FormatCsvRecord(r.fields);
    }
    const std::vector<cmcCsvRecord> again = Csv::ParseCsv(written);
    FuzzExpect(again.size() == records.size(), "written records read back as many");
    for (size_t i = 0; i < records.size(); ++i) {
        FuzzExpect(again[i].fields == records[i].fields, "written records read back the same");
    }
}

bool Import(indDocumentContext& context, std::string_view csv) {
    cmcEeprom before;
    before.Assign(context.WorkingImage());
    std::vector<indCsvProblem> errors, notes;
    const bool ok = ChannelCsv::ImportChannelCsv(context, csv, errors, notes);
    FuzzWorkbench::Pump();
    if (!ok) {
        FuzzExpect(!errors.empty(), "a refused import names a problem");
        FuzzExpect(context.WorkingImage().IsEqual(before), "a refused import changes nothing");
    }
    return ok;
}

void ImportIntoModel(int model, std::string_view csv) {
    indDocumentContext& context = FuzzWorkbench::Fresh(model);
    if (!Import(context, csv)) {
        return;
    }
    cmcEeprom imported;
    imported.Assign(context.WorkingImage());
    const std::string exported = ChannelCsv::ExportChannelCsv(context);
    FuzzExpect(Import(context, exported), "exported channels import again");
    FuzzExpect(context.WorkingImage().IsEqual(imported),
               "exported channels import again to the same image");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    FuzzSetUp((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text = FuzzText(data, size);
    RecordsRoundTrip(text);
    for (int model = 0; model < ModelTypeCount; ++model) {
        ImportIntoModel(model, text);
    }
    return 0;
}
