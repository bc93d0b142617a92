// The undo history of the tables.
#include "CArdelEditView.h"

namespace velmora {

void CArdelEditView::recordStep(EditStep step, const QString& text) {
    // Kept by the undo stack once it exists; until then a step ends here.
    (void)step;
    (void)text;
}

}  // namespace velmora
