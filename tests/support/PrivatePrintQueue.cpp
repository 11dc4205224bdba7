#include "PrivatePrintQueue.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace folia::test {
namespace {

const char* const kGenericPdfDriver = "/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd";
const char* const kScheduler = "/usr/sbin/cupsd";

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

PrivatePrintQueue::PrivatePrintQueue() : m_folder(QDir::tempPath() + "/folia-cups-XXXXXX") {
    if (!start()) {
        m_scheduler.kill();
        m_scheduler.waitForFinished(5000);
    }
}

PrivatePrintQueue::~PrivatePrintQueue() {
    if (m_scheduler.state() == QProcess::NotRunning) return;
    m_scheduler.terminate();
    if (!m_scheduler.waitForFinished(5000)) {
        m_scheduler.kill();
        m_scheduler.waitForFinished(5000);
    }
}

bool PrivatePrintQueue::start() {
    if (!QFileInfo::exists(kScheduler) || !QFileInfo::exists(kGenericPdfDriver)) {
        m_problem = "the print scheduler or its generic PDF driver is not installed";
        return false;
    }
    if (!m_folder.isValid()) {
        m_problem = "no temporary folder";
        return false;
    }
    // The scheduler runs filters as an unprivileged user, who must reach these folders.
    QFile::setPermissions(m_folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                               QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                               QFileDevice::ExeGroup);
    for (const char* sub : {"root", "spool", "cache", "state", "log", "tmp", "out", "client"})
        QDir().mkpath(path(sub));
    const auto everyone = QFileDevice::Permissions(0x7777);
    QFile::setPermissions(path("tmp"), everyone);
    QFile::setPermissions(path("out"), everyone);
    const QString scheduler = "Listen " + path("cups.sock") +
                              "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                              "DefaultAuthType None\nPreserveJobFiles Yes\n"
                              "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                              "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                              "  </Limit>\n</Policy>\n";
    const QString files = "FileDevice Yes\nServerRoot " + path("root") + "\nRequestRoot " +
                          path("spool") + "\nCacheDir " + path("cache") + "\nStateDir " +
                          path("state") + "\nTempDir " + path("tmp") + "\nAccessLog " +
                          path("log/access_log") + "\nErrorLog " + path("log/error_log") +
                          "\nPageLog " + path("log/page_log") + "\nSystemGroup root\n";
    if (!writeText(path("cupsd.conf"), scheduler) || !writeText(path("cups-files.conf"), files)) {
        m_problem = "cannot write the scheduler's configuration";
        return false;
    }
    m_scheduler.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_scheduler.start(kScheduler, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    if (!m_scheduler.waitForStarted(5000)) {
        m_problem = "the scheduler does not start";
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(path("cups.sock")) && waited.elapsed() < 10000 &&
           m_scheduler.state() == QProcess::Running)
        QThread::msleep(20);
    if (!QFileInfo::exists(path("cups.sock"))) {
        m_problem = "the scheduler opens no socket (it needs to run as root)";
        return false;
    }
    const QString socket = path("cups.sock");
    if (!run("lpadmin", {"-h", socket, "-p", queueName(), "-E", "-v", "file://" + outputPath(),
                         "-P", kGenericPdfDriver}) ||
        !run("lpadmin", {"-h", socket, "-d", queueName()})) {
        m_problem = "the queue cannot be added";
        return false;
    }
    return true;
}

void PrivatePrintQueue::use() const {
    // Neither the user's own default printer nor the machine's client settings count.
    qputenv("CUPS_SERVER", QFile::encodeName(path("cups.sock")));
    qputenv("CUPS_SERVERROOT", QFile::encodeName(path("client")));
    qputenv("HOME", QFile::encodeName(path("client")));
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
}

bool PrivatePrintQueue::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

QStringList PrivatePrintQueue::jobDocuments() const {
    QStringList documents;
    for (const QString& name : QDir(path("spool")).entryList({"d*-001"}, QDir::Files, QDir::Name))
        documents << path("spool/" + name);
    return documents;
}

bool PrivatePrintQueue::waitForCompletedJobs(int count, int timeoutMs) const {
    QElapsedTimer waited;
    waited.start();
    do {
        QProcess lpstat;
        lpstat.start("lpstat", {"-h", path("cups.sock"), "-W", "completed", "-o", queueName()});
        if (lpstat.waitForFinished(10000) &&
            QString::fromLocal8Bit(lpstat.readAllStandardOutput()).count(queueName() + "-") >=
                count)
            return true;
        QThread::msleep(100);
    } while (waited.elapsed() < timeoutMs);
    return false;
}

} // namespace folia::test
