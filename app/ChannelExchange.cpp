#include "ChannelExchange.h"

#include <cstring>

#include "ChannelCsv.h"
#include "Excerpt.h"
#include "Path.h"
#include "SafeFile.h"
#include "cmcInputFile.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indSheetSession.h"
#include "indUndoStep.h"

namespace ChannelExchange {

namespace {

std::vector<std::string> Describe(const std::vector<indCsvProblem>& problems) {
    std::vector<std::string> lines;
    lines.reserve(problems.size());
    for (const indCsvProblem& p : problems) {
        lines.push_back(ChannelCsv::DescribeCsvProblem(p));
    }
    return lines;
}

}  // namespace

indExchangeResult ImportChannelsFromFile(indDocumentContext& context, const std::string& path) {
    indExchangeResult r;
    const cmcInputFile text = ReadInputFile(path, kMaxCsvFileBytes);
    if (text.result != cmcInputFileResult::Ok) {
        r.message = "Cannot read '" + Path::PathFileName(path) +
                    "': " + InputFileProblem(text, kMaxCsvFileBytes);
        return r;
    }
    std::vector<indCsvProblem> errors, notes;
    {
        const indUndoStep step(context.Document(), "Import Channels (CSV)");
        r.ok = ChannelCsv::ImportChannelCsv(context, text.contents, errors, notes);
    }
    if (!r.ok) {
        r.message = "The channels were not imported; nothing was changed. " +
                    std::to_string(errors.size()) + (errors.size() == 1 ? " error:" : " errors:");
        r.lines = Describe(errors);
        return r;
    }
    r.message = "The channels of '" + Path::PathFileName(path) + "' were imported.";
    r.lines = Describe(notes);
    return r;
}

indExchangeResult ExportChannelsToFile(indDocumentContext& context, const std::string& path) {
    indExchangeResult r;
    int error = 0;
    if (SafeFile::WriteFileReplacing(path, ChannelCsv::ExportChannelCsv(context), &error) !=
        cmcSafeFileResult::Ok) {
        r.message = "Cannot write '" + path + "': " + std::strerror(error);
        return r;
    }
    r.ok = true;
    r.message = "The channels were written to '" + Path::PathFileName(path) + "'.";
    return r;
}

indCompareResult CompareWithFile(indDocumentContext& context, const std::string& path) {
    indCompareResult r;
    indSheetSession other;
    if (other.Open(path) != 0) {
        r.message = "'" + Path::PathFileName(path) + "' was not compared.";  // its reader said why
        return r;
    }
    r.ok = true;
    r.modelThis = context.ModelType();
    r.modelOther = other.Document().ModelType();
    r.diff = DiffImages(context, other.Context());
    return r;
}

}  // namespace ChannelExchange
