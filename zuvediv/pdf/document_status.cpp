#include "pdf/document_status.h"

namespace zuvediv {
namespace {

const char* message(DocumentStatus status) {
    switch (status) {
        case DocumentStatus::unreadable: return "ファイルを読めません";
        case DocumentStatus::not_pdf: return "PDF ファイルではありません";
        case DocumentStatus::damaged: return "PDF が壊れていて開けません";
        case DocumentStatus::needs_password: return "パスワードが必要です (-p で指定してください)";
        case DocumentStatus::wrong_password: return "パスワードが違います";
        case DocumentStatus::out_of_memory: return "メモリー不足";
        case DocumentStatus::timed_out: return "時間切れ";
        case DocumentStatus::crashed: return "読み取り中に異常終了しました (PDF が壊れている可能性があります)";
        case DocumentStatus::changed_while_read: return "検索中にファイルが変わりました";
        case DocumentStatus::no_worker: return "作業用のプロセスを起動できません";
        case DocumentStatus::internal_error: return "内部エラー";
        case DocumentStatus::searched: break;
    }
    return "";
}

}  // namespace

std::string unread_reason(DocumentStatus status, const std::string& detail) {
    if (status == DocumentStatus::timed_out)
        return std::string(message(status)) + " (" + detail + " 秒のあいだ読み進みませんでした)";
    return detail.empty() ? message(status) : std::string(message(status)) + " (" + detail + ")";
}

}  // namespace zuvediv
