#pragma once
// The warning check list over the document's working image, in the form
// Clone Write asks for it. It runs the checks whether or not a tree shows
// their marks: a write must never skip them because no window is open.

#include "indCloneCommands.h"

class indDocumentContext;

namespace DocumentChecks {

indCheckCounts CheckDocument(indDocumentContext& context);

}  // namespace DocumentChecks
