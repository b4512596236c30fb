#include "Worksheet.h"

#include "AnswerKey.h"
#include "CircuitPage.h"
#include "CircuitSheet.h"
#include "FileBytes.h"
#include "FileErrorText.h"
#include "PageText.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace lampen::print {

namespace {

// Vector output; the resolution only sets the grain of the coordinates in the file.
constexpr int kResolutionDpi = 600;

WorksheetPdf failed(std::string reason) {
    WorksheetPdf pdf;
    pdf.error = std::move(reason);
    return pdf;
}

} // namespace

WorksheetPdf renderWorksheet(const WorksheetInput& input) {
    if (input.codes.empty())
        return failed("Die Gruppe enthält keine Schaltung.");
    const std::vector<CircuitSheet> sheets = circuitSheets(input);
    const QString groupName = qs(shownGroupName(input.groupName));

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<std::vector<KeyLine>> keyPages;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolutionDpi);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Arbeitsblatt ") + groupName);
        writer.setCreator(QStringLiteral("Lampen Glimmrix"));
        QPainter p;
        if (!p.begin(&writer))
            return failed("Das PDF konnte nicht angelegt werden.");
        const PageScale mm(kResolutionDpi / 25.4);
        bool first = true;
        const auto nextPage = [&] {
            if (!first)
                writer.newPage();
            first = false;
        };
        for (const CircuitSheet& sheet : sheets) {
            nextPage();
            paintCircuitPage(p, mm, sheet);
        }
        keyPages = answerKeyPages(answerKeyLines(sheets, deviceTextWidth(p, mm)));
        for (const auto& page : keyPages) {
            nextPage();
            paintAnswerKeyPage(p, mm, groupName, page);
        }
        if (!p.end())
            return failed("Das PDF konnte nicht fertiggestellt werden.");
    }
    WorksheetPdf pdf;
    pdf.ok = true;
    pdf.bytes = buffer.data();
    pdf.pages = static_cast<int>(sheets.size() + keyPages.size());
    return pdf;
}

WorksheetResult writeWorksheet(const std::filesystem::path& file, const WorksheetInput& input) {
    const WorksheetPdf pdf = renderWorksheet(input);
    if (!pdf.ok)
        return {false, pdf.error};
    const FileStatus written = replaceFileBytes(
        file, std::string_view(pdf.bytes.constData(), static_cast<std::size_t>(pdf.bytes.size())));
    if (!written)
        return {false, file.string() + ": " + germanReason(written.error())};
    return {true, {}};
}

} // namespace lampen::print
