// What the command line reads and writes when the disk, the path or the file
// is not what it should be: nothing earlier is lost, nothing that is not a
// file is replaced, nothing hangs, no name reaches the terminal raw.
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <thread>

#include "command_line_fixture.h"
#include "tests/support/worked_designs.h"
#include "text/command_line_texts.h"
#include "text/design_file_texts.h"

namespace krv1 {
namespace {

namespace f = text::design_file;

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The child may write no file beyond `bytes`; past it a write fails with
// EFBIG, as on a full disk, instead of killing the process.
std::function<void()> FileSizeLimit(rlim_t bytes) {
    return [bytes] {
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);
    };
}

std::string WriteFailed(const QString& path, bool earlierKept) {
    std::string message = std::string(f::kWriteFailed) + path.toStdString();
    if (earlierKept) message += "\n" + std::string(f::kEarlierFileKept);
    return message + "\n";
}

TEST_F(CommandLineTest, AFailedWriteKeepsTheEarlierPdfWhole) {
    const QString worked = design("worked.krv1", testing::WorkedDesign());
    const QString pdf = folder.filePath("report.pdf");
    ASSERT_EQ(run({"--report", worked, "-o", pdf}).status, 0);
    const QByteArray earlier = Contents(pdf);
    ASSERT_TRUE(earlier.startsWith("%PDF-"));
    // The limit stops the first block, or only the last bytes, which a
    // temporary file's own commit would not report.
    const rlim_t lastBytes = static_cast<rlim_t>(earlier.size()) - 16;
    for (const auto& [mode, limit] :
         {std::pair{"--report", rlim_t{4096}}, std::pair{"--report", lastBytes},
          std::pair{"--sheet", rlim_t{4096}}}) {
        SCOPED_TRACE(std::string(mode) + " limited to " + std::to_string(limit));
        const Outcome full = run({mode, worked, "-o", pdf}, FileSizeLimit(limit));
        EXPECT_EQ(full.status, 4);
        EXPECT_EQ(full.err, WriteFailed(pdf, true));
        EXPECT_EQ(Contents(pdf), earlier);
        // The temporary file went with the failure.
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files),
                  QStringList({"report.pdf", "worked.krv1"}));
    }
}

// A real full disk where the test may mount one (as root, outside a
// container that forbids it).
TEST_F(CommandLineTest, AFullTmpfsKeepsTheEarlierPdfWhole) {
    const QString mount = folder.filePath("full");
    QDir().mkpath(mount);
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mount}) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString worked = design("worked.krv1", testing::WorkedDesign());
    const QString pdf = mount + "/report.pdf";
    EXPECT_EQ(run({"--report", worked, "-o", pdf}).status, 0);
    const QByteArray earlier = Contents(pdf);
    {
        QFile filler(mount + "/filler");
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const Outcome full = run({"--report", worked, "-o", pdf});
    const QByteArray after = Contents(pdf);
    const QStringList left = QDir(mount).entryList(QDir::Files);
    QProcess::execute("umount", {mount});
    EXPECT_EQ(full.status, 4);
    EXPECT_EQ(full.err, WriteFailed(pdf, true));
    EXPECT_TRUE(earlier.startsWith("%PDF-"));
    EXPECT_EQ(after, earlier);
    EXPECT_EQ(left, QStringList({"filler", "report.pdf"}));
}

// The null and full devices. As root, where a fault could replace the
// system's own, the test makes private ones of the same kind in its folder;
// anyone else cannot replace /dev's.
// Empty where root may not make devices (a container without CAP_MKNOD).
QString Device(const QTemporaryDir& folder, const char* name, unsigned minor) {
    if (::getuid() != 0) return QStringLiteral("/dev/") + QString::fromLatin1(name);
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, minor)) != 0)
        return {};
    return path;
}

TEST_F(CommandLineTest, OutputIntoADeviceGoesStraightIn) {
    const QString worked = design("worked.krv1", testing::WorkedDesign());
    const QString nullDevice = Device(folder, "null", 3);
    const QString fullDevice = Device(folder, "full", 7);
    if (nullDevice.isEmpty() || fullDevice.isEmpty())
        GTEST_SKIP() << "no device can be made here, and /dev's own are not put at risk";
    const Outcome null = run({"--report", worked, "-o", nullDevice});
    EXPECT_EQ(null.status, 0) << null.err;
    const Outcome full = run({"--sheet", worked, "-o", fullDevice});
    EXPECT_EQ(full.status, 4);
    EXPECT_EQ(full.err, WriteFailed(fullDevice, false));
    for (const QString& device : {nullDevice, fullDevice}) {
        struct stat status {};
        ASSERT_EQ(::stat(QFile::encodeName(device).constData(), &status), 0);
        EXPECT_TRUE(S_ISCHR(status.st_mode)) << device.toStdString() << " is no longer a device";
    }

    // A link to a device is followed to it.
    const QString deviceLink = folder.filePath("device-link.pdf");
    ASSERT_TRUE(QFile::link(fullDevice, deviceLink));
    EXPECT_EQ(run({"--report", worked, "-o", deviceLink}).err, WriteFailed(deviceLink, false));

    const Outcome text = run({"--sheet", worked}, {}, fullDevice);
    EXPECT_EQ(text.status, 4);
    EXPECT_EQ(text.err, WriteFailed("-", false));
}

TEST_F(CommandLineTest, OutputThroughALinkAFifoOrStandardOutput) {
    const QString worked = design("worked.krv1", testing::WorkedDesign());
    // A link to a file is followed, and keeps naming it.
    const QString fileLink = folder.filePath("file-link.pdf");
    ASSERT_TRUE(QFile::link(folder.filePath("target.pdf"), fileLink));
    EXPECT_EQ(run({"--report", worked, "-o", fileLink}).status, 0);
    EXPECT_EQ(QFileInfo(fileLink).symLinkTarget(), folder.filePath("target.pdf"));
    EXPECT_TRUE(Contents(folder.filePath("target.pdf")).startsWith("%PDF-"));

    const Outcome standardOutput = run({"--report", worked, "-o", "-"});
    EXPECT_EQ(standardOutput.status, 0) << standardOutput.err;
    EXPECT_EQ(standardOutput.out.substr(0, 5), "%PDF-");

    const QString fifo = folder.filePath("pipe");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // The test holds the FIFO's write end too, so that the reader opens it at
    // once and sees its end only when the test lets go, whether the program
    // wrote into it or, wrongly, replaced it.
    const int held = ::open(fifo.toLocal8Bit().constData(), O_RDWR);
    ASSERT_GE(held, 0);
    QByteArray received;
    std::thread reader([&] { received = Contents(fifo); });
    const Outcome piped = run({"--report", worked, "-o", fifo});
    ::close(held);
    reader.join();
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_TRUE(received.startsWith("%PDF-"));
    struct stat status {};
    ASSERT_EQ(::stat(fifo.toLocal8Bit().constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// A FIFO, a folder or a device named as the design is refused at once.
TEST_F(CommandLineTest, ADesignThatIsNotARegularFileIsRefused) {
    const QString fifo = folder.filePath("design.krv1");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& path : {fifo, folder.path(), QStringLiteral("/dev/zero")}) {
        SCOPED_TRACE(path.toStdString());
        const Outcome refused = run({"--report", path});
        EXPECT_EQ(refused.status, 2);
        EXPECT_EQ(refused.err, std::string(f::kCannotOpen) + path.toStdString() + "\n");
    }
}

TEST_F(CommandLineTest, WithoutAScreenTheWindowsAreNotStarted) {
    const Outcome windows = run({design("worked.krv1", testing::WorkedDesign())});
    EXPECT_EQ(windows.status, 1);
    EXPECT_EQ(windows.err, std::string(text::command_line::kNoDisplay) + "\n");
    EXPECT_EQ(run({"--help"}, {}, "/dev/full").status, 1);
    EXPECT_EQ(run({"--version"}, {}, "/dev/full").status, 1);
}

// Without its on-demand libraries (a copy of the program alone) the program
// still writes the report's PDF: Qt's own, without the copyable Thai.
TEST_F(CommandLineTest, APdfIsWrittenWithoutTheOnDemandLibraries) {
    const QString alone = folder.filePath(QStringLiteral("krv1"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KRV1_PROGRAM), alone));
    const QString pdf = folder.filePath(QStringLiteral("alone.pdf"));
    QProcess program;
    program.start(alone,
                  {QStringLiteral("--report"), design("worked.krv1", testing::WorkedDesign()),
                   QStringLiteral("-o"), pdf});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(extract.waitForFinished());
    EXPECT_EQ(extract.exitCode(), 0);
    EXPECT_TRUE(extract.readAllStandardOutput().contains("W/C=0.61"));
}

// The longest name a design may hold, in Thai, lies inside A4 on the report
// and on the sheet, as pdftotext reads the words' boxes back.
TEST_F(CommandLineTest, TheLongestThaiNameLiesOnThePage) {
    std::string name;
    for (int i = 0; i < 6; ++i) name += "วิศวกรสมชา";  // 10 characters each
    ASSERT_EQ(QString::fromStdString(name).size(), 60);
    const QString worked = design("long.krv1", testing::WorkedDesign(), name);
    for (const char* mode : {"--report", "--sheet"}) {
        SCOPED_TRACE(mode);
        const QString pdf = folder.filePath(QString::fromLatin1(mode + 2) + ".pdf");
        ASSERT_EQ(run({mode, worked, "-o", pdf}).status, 0);
        QProcess boxes;
        boxes.start("pdftotext", {"-bbox", pdf, "-"});
        if (!boxes.waitForFinished() || boxes.exitCode() != 0)
            GTEST_SKIP() << "pdftotext is not installed";
        const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
        const QRegularExpression word(
            "xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\"");
        int words = 0;
        bool nameSeen = false;
        for (auto match = word.globalMatch(html); match.hasNext(); ++words) {
            const auto box = match.next();
            EXPECT_GE(box.captured(1).toDouble(), 0);
            EXPECT_GE(box.captured(2).toDouble(), 0);
            EXPECT_LE(box.captured(3).toDouble(), 595.3) << box.captured(0).toStdString();
            EXPECT_LE(box.captured(4).toDouble(), 841.9) << box.captured(0).toStdString();
        }
        nameSeen = html.contains(QString::fromUtf8("กรสมชา"));
        EXPECT_GT(words, 20);
        EXPECT_TRUE(nameSeen);
    }
}

// What a reader copies out of each PDF is the Thai as written: every line of
// the report, and every caption of the sheet, the trial and the records,
// marks and all, as the same command writes them as text.
TEST_F(CommandLineTest, EachPdfsTextIsTheThaiAsWritten) {
    presentation::Design kept{"สมชาย ใจดี", testing::WorkedDesignWithAdmixture(), {}};
    presentation::StrengthRecords records{SpecimenShape::Cube, "240", false, {}};
    for (int i = 0; i < 15; ++i)
        records.Tests.push_back(
            {"1/1/2569", {std::to_string(300 + (i * 7) % 30), "", ""}, "ฐานราก"});
    kept.Records = records;
    kept.Project = "บ้านคุณสมศรี ซอย 5";
    const QString file = folder.filePath("kept.krv1");
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(presentation::WriteDesign(kept)));
    out.close();
    for (const char* mode : {"--report", "--sheet", "--trial", "--records"}) {
        SCOPED_TRACE(mode);
        const QString pdf = folder.filePath(QString::fromLatin1(mode + 2) + ".pdf");
        ASSERT_EQ(run({mode, file, "--date", "2026-12-08", "-o", pdf}).status, 0);
        const Outcome written = run({mode, file, "--date", "2026-12-08"});
        QProcess extract;
        extract.start("pdftotext", {"-raw", pdf, "-"});
        ASSERT_TRUE(extract.waitForFinished());
        const std::string copied = extract.readAllStandardOutput().toStdString();
        std::size_t lines = 0;
        for (const QString& line : QString::fromStdString(written.out).split('\n')) {
            // A sheet's row is printed as its caption, figure and unit apart.
            const std::string caption =
                (std::string(mode) == "--report" ? line : line.section(QStringLiteral("  "), 0, 0))
                    .toStdString();
            // A crowded records page lists only the low tests; these are not.
            if (caption.empty() || caption.starts_with("แถวที่ ")) continue;
            EXPECT_NE(copied.find(caption), std::string::npos) << caption;
            ++lines;
        }
        EXPECT_GT(lines, 10u);
        for (const char* word : {"ส่วนผสม", "ต้อง", "กำลังอัด", "น้ำ"})
            if (std::string(mode) != "--records")
                EXPECT_NE(copied.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace krv1
