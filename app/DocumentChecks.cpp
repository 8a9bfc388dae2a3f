#include "DocumentChecks.h"

#include "WarningCheck.h"
#include "indDocumentContext.h"

namespace DocumentChecks {

indCheckCounts CheckDocument(indDocumentContext& context) {
    const indWarningCheckResult r = WarningCheck::CheckWarnings(context.Handler(), context.Texts(),
                                                                context.ModelType(), nullptr);
    return {r.errors, r.warnings};
}

}  // namespace DocumentChecks
