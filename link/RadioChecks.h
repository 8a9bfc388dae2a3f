#pragma once
// The model's checks of a finished exchange: the information answer must come
// from this radio family, and an image read must be a valid image of it.

#include "RadioIdentity.h"
#include "dst_CDrv_Result.h"

namespace RadioChecks {

// Code 0 of an information exchange: the radio's model word must be the
// model code and its information exactly 38 bytes; then identity takes them
// and true is returned. Otherwise code 11.
bool TakeRadioIdentity(dst_CDrv_Result& result, RadioIdentity& identity);

// Code 0 of a read: the strict image check refusing gives 15, an image of a
// newer map 16.
void CheckReadImage(dst_CDrv_Result& result);

}  // namespace RadioChecks
