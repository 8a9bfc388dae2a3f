#include "indDocumentChecks.h"

#include "indDocumentContext.h"
#include "indWarningCheck.h"

indCheckCounts CheckDocument(indDocumentContext& context) {
    const indWarningCheckResult r =
        CheckWarnings(context.Handler(), context.Texts(), context.ModelType(), nullptr);
    return {r.errors, r.warnings};
}
