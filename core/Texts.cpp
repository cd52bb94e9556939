#include "Texts.h"

#include "Gbk.h"

static Texts makeTexts()
{
    const auto t = [](const char16_t *text) { return Gbk::fromUnicode(text); };
    Texts s;
    s.year = t(u"年");
    s.month = t(u"月");
    s.day = t(u"日");
    s.hour = t(u"时");
    s.minute = t(u"分");
    s.second = t(u"秒");

    s.countdownPrefix = t(u"倒计时： ");
    s.overtimePrefix = t(u"工作超时： ");
    s.displaySeparator = t(u" ：");
    s.resetDisplay = t(u"倒计时： 00 ：00");

    s.lineBreak = "\r\n";
    s.startSuffix = t(u" 开始工作！");
    s.contentPrefix = t(u"\r\n 工作内容：");
    s.durationPrefix = t(u"\r\n 任务总耗时： ");
    s.durationMinutes = t(u" 分 ");
    s.durationSeconds = t(u" 秒！！");
    s.endSuffix = t(u" 结束工作！");
    s.pauseSuffix = t(u" 暂停工作！");
    s.resumeSuffix = t(u" 恢复工作！");

    s.initialLog = t(u"我的番茄工作记录：\r\n");
    s.clearedLog = t(u"我的番茄工作记录：");
    s.clearQuestion = t(u"您是否清空工作记录？");
    s.questionCaption = t(u"询问：");
    s.exportSucceeded = t(u"恭喜，保存成功！");
    s.exportFailed = t(u"保存失败！无法写入文件：\r\n");
    s.informationCaption = t(u"信息：");
    s.saveDialogTitle = t(u"选择保存地址：");
    s.saveDialogFilter = "txt|*";
    s.saveDialogDefaultSuffix = "txt";

    s.popupTitle = t(u"友情提醒");
    s.completionBody = t(u"\r\n\r\n  恭喜您，完成了一个番茄的工作时间！"
                         u"\r\n\r\n  请您放心去休息一会！劳逸结合，效率会更高！");
    s.reminderBody = t(u"\r\n\r\n   您该记录下工作过程了!"
                       u"\r\n\r\n   这样有利于您提高工作效率！"
                       u"\r\n\r\n   您可以配合您自己的软件记录工作过程！"
                       u"\r\n\r\n   此工作法出自《时间的管理》一书！");

    s.reminderGuardMessage = t(u"计时已经开始，请在 计时 开始前处理！");
    s.reminderGuardCaption = t(u"友情提示");
    s.overtimeMessage = t(u"如果您开启了超时计时，那任务将不会自动停止，需要您手动停止！"
                          u"\r\n此方法，违背番茄工作法的初衷，适合特殊情况的朋友！"
                          u"个人建议劳逸结合才是最好的。");
    s.overtimeCaption = t(u"提示：");

    s.windowTitle = "Quenvalle";
    s.reminderOption = t(u"6分钟提醒记录 一次工作");
    s.overtimeOption = t(u"工作时间超时，是否记录？");
    s.minutesLabel = t(u"番茄时间：");
    s.initialMinutes = "25";
    s.contentLabel = t(u"工作安排：");
    s.startButton = t(u"开始");
    s.endButton = t(u"结束");
    s.pauseButton = t(u"暂停");
    s.clearButton = t(u"清空");
    s.exportButton = t(u"导出");
    s.hiddenTestButton = "test";
    s.closeQuestion = t(u"您是否确认关闭程序？");

    s.popupCloseLink = t(u"关闭");
    return s;
}

const Texts &texts()
{
    static const Texts instance = makeTexts();
    return instance;
}
