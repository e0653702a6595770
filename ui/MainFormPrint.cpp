// Printing the window: the client area drawn afresh at the printer's resolution
// (PaintClientArea), either as the window looks or with the plot on white paper.

#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "MainForm.h"

namespace pathsum {

void MainForm::Printit_Click() {
    PrintWindow(PrintLook::AsShown);
}

void MainForm::PrintOnWhite_Click() {
    PrintWindow(PrintLook::OnWhite);
}

void MainForm::PrintWindow(PrintLook look) {
    const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
    if (destination.isNull()) {
        // Printing to some other queue than the user's default would surprise; say what is
        // missing instead.
        const QString why = QPrinterInfo::availablePrinterNames().isEmpty()
                                ? tr("No printer is available")
                                : tr("No default printer is set");
        QMessageBox::information(DialogParent(), tr("Print"),
                                 tr("%1, so the window was not printed. Set up "
                                    "a default printer and try again.")
                                     .arg(why));
        return;
    }
    QPrinter printer(destination, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("pathsum"));
    QPainter painter;
    if (!painter.begin(&printer)) {
        QMessageBox::information(DialogParent(), tr("Print"),
                                 tr("The printer \"%1\" could not be used, so the "
                                    "window was not printed.")
                                     .arg(destination.printerName()));
        return;
    }
    PaintClientArea(painter, painter.viewport(), look);
    painter.end();
}

}  // namespace pathsum
