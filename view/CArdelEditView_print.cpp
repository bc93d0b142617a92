// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print, Print Preview and Print Setup: the list the user last acted
// on, laid out by the ListPrinter, through Qt's print dialogs.
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QPageSetupDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>

#include "CArdelEditView.h"
#include "prompter.h"

namespace velmora {

bool CArdelEditView::canPrint() const {
    // With no current row there is nothing to print: the job would give
    // empty pages and look like it had worked.
    return selectedTvRow_ >= 0 || selectedRadioRow_ >= 0;
}

void CArdelEditView::preparePrintJob(ChannelKind kind) {
    printer_.setSource(listOf(kind));
    // The loaded file names the printout, whichever file that is now.
    printer_.setSubtitle(QFileInfo(QString::fromStdString(flags_.filePath)).fileName());
}

void CArdelEditView::printList() {
    if (!canPrint()) return;
    QPrinter& printer = printer_.printer();
    QPrintDialog dialog(&printer, this);
    if (ui::Prompter::current().runDialog(dialog) != QDialog::Accepted) return;
    preparePrintJob(printTvList_ ? ChannelKind::Tv : ChannelKind::Radio);
    // The page range stays on the printer after this job; only a job that
    // asks for a range gets one.
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (!printer_.print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0)) {
        const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        ui::notice(this, tr("The channel list could not be printed on %1.").arg(target));
    }
}

void CArdelEditView::printPreview() {
    if (!canPrint()) return;
    QPrintPreviewDialog dialog(&printer_.printer(), this);
    dialog.setObjectName(QStringLiteral("print-preview"));
    const ChannelKind kind = printTvList_ ? ChannelKind::Tv : ChannelKind::Radio;
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this, kind](QPrinter* printer) {
        preparePrintJob(kind);
        printer_.print(*printer);
    });
    // Page Down and Page Up are the toolbar's next and previous page, so that
    // its page counter and arrows follow (turning the pages behind the
    // dialog's back leaves them stale); Escape closes, as in any dialog.
    const auto toolbarAction = [&dialog](const char* text) -> QAction* {
        const QString wanted = QCoreApplication::translate("QPrintPreviewDialog", text);
        for (QAction* action : dialog.findChildren<QAction*>())
            if (action->text() == wanted) return action;
        return nullptr;
    };
    for (const auto& [key, text] : {std::pair{Qt::Key_PageDown, "Next page"}, std::pair{Qt::Key_PageUp, "Previous page"}}) {
        if (QAction* turn = toolbarAction(text))
            connect(new QShortcut(QKeySequence(key), &dialog), &QShortcut::activated, turn, &QAction::trigger);
    }
    ui::Prompter::current().runDialog(dialog);
}

void CArdelEditView::printSetup() {
    QPageSetupDialog dialog(&printer_.printer(), this);
    ui::Prompter::current().runDialog(dialog);
}

bool CArdelEditView::printListToPdf(const QString& path, ChannelKind kind) {
    // The pages of an A4 printer at 600 dpi, with that printer's printable
    // area, written whole or not at all.
    QPrinter a4(QPrinter::HighResolution);
    a4.setPageSize(QPageSize(QPageSize::A4));
    a4.setResolution(600);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(600);
        pdf.setPageLayout(a4.pageLayout());
        pdf.setTitle(printer_.title());
        pdf.setCreator(QString::fromLatin1(ui::kAppTitle));
        preparePrintJob(kind);
        if (!printer_.print(pdf)) return false;
    }
    return file.commit();
}

}  // namespace velmora
