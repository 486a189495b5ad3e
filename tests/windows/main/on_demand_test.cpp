// Qt Charts, Qt Print Support and qpdf are loaded when first needed, not at
// start. The test
// has a process of its own, so that what it finds mapped is its own doing.
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>

#include "documents/file_writing.h"
#include "forms/strength_records/records_window_layout.h"
#include "forms/trial_batch/trial_window_layout.h"
#include "main_window_fixture.h"
#include "platform/form_chart.h"
#include "platform/on_demand_library.h"
#include "platform/printer.h"
#include "text/strength_records_texts.h"
#include "text/trial_batch_texts.h"

namespace krv1::testing {
namespace {

bool Mapped(const char* library) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

TEST_F(MainWindowTest, ChartsPrintingAndPdfTextAreLoadedWithTheirFirstUse) {
    EXPECT_FALSE(Mapped("libQt6Charts"));
    EXPECT_FALSE(Mapped("libQt6OpenGLWidgets"));
    EXPECT_FALSE(Mapped("libqpdf"));
    EXPECT_FALSE(Mapped("libQt6PrintSupport"));
    const auto trigger = [this](std::string_view item) {
        for (QAction* action : form->menuBar()->findChildren<QAction*>())
            if (action->text() == Q(item)) action->trigger();
    };
    enterWorkedDesign();
    calculate();
    EXPECT_FALSE(Mapped("libQt6Charts"));  // the main window shows no chart
    trigger(text::trial::kMenuItem);
    ASSERT_NE(windows->trial.existing(), nullptr);
    EXPECT_TRUE(Mapped("libQt6Charts"));
    // The curve, the design and the adjusted design.
    EXPECT_EQ(Find<platform::FormChart>(windows->trial.existing(), forms::trial_controls::kChart)
                  ->seriesCount(),
              3);
    // The records' chart draws from the library already loaded: no notice
    // of a missing library in its place.
    trigger(text::records::kMenuItem);
    ASSERT_NE(windows->records.existing(), nullptr);
    EXPECT_EQ(
        Find<platform::FormChart>(windows->records.existing(), forms::records_controls::kChart)
            ->findChild<QLabel*>(),
        nullptr);

    QTemporaryDir folder;
    const presentation::PrintedPage page{12, {{1000, 1000, false, "ส่วนผสม"}}, {}};
    EXPECT_FALSE(documents::WritePdf(folder.filePath(QStringLiteral("page.pdf")), page));
    EXPECT_TRUE(Mapped("libqpdf"));
    EXPECT_FALSE(Mapped("libQt6PrintSupport"));  // a PDF is Qt's own writing
    platform::OpenDefaultPrinter();              // whether or not there is one
    EXPECT_TRUE(Mapped("libQt6PrintSupport"));
}

TEST(OnDemandLibrary, ALibraryNotThereIsNoFunction) {
    EXPECT_EQ(platform::ResolveOnDemand("no_such_part", "krv1NewChartDrawing"), nullptr);
    EXPECT_EQ(platform::ResolveOnDemand("charts", "no_such_function"), nullptr);
}

}  // namespace
}  // namespace krv1::testing
