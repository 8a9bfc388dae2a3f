#pragma once
// One undo step around a change to the working image: everything the scope
// changes becomes one step named as the Edit menu shows it ("Receive frequency
// 1-3"). Inside another step the scope does nothing, so that a paste over many
// rows or a CSV import records one step whatever its inner actions do.

#include <functional>
#include <string>

#include "indDocument.h"

class indUndoStep {
  public:
    indUndoStep(indDocument& document, std::string name, indUndoPlace place = {})
        : document_(document) {
        document_.UndoHistory().Begin(document_.WorkingImage(), document_.ModelType(),
                                      std::move(name), std::move(place));
    }
    // The name asked for only where it is used: by the outermost step (a cell's
    // caption costs a few cell renders, wasted on every field of a paste).
    indUndoStep(indDocument& document, const std::function<std::string()>& name,
                indUndoPlace place = {})
        : document_(document) {
        indUndoHistory& history = document_.UndoHistory();
        history.Begin(document_.WorkingImage(), document_.ModelType(),
                      history.InStep() ? std::string() : name(), std::move(place));
    }
    ~indUndoStep() { document_.UndoHistory().End(document_.WorkingImage(), document_.ModelType()); }
    indUndoStep(const indUndoStep&) = delete;
    indUndoStep& operator=(const indUndoStep&) = delete;

  private:
    indDocument& document_;
};
