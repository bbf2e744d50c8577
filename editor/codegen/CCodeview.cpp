#include "CCodeview.h"

#include "CFileDialog.h"
#include "ReplaceFileContents.h"

namespace {

const UINT IDC_CODE_TEXT = 1037;
const UINT IDC_SAVE_CODE = 1087;

}  // namespace

BEGIN_MESSAGE_MAP(CCodeview, CDialog)
    ON_BN_CLICKED(IDC_SAVE_CODE, &CCodeview::OnSave)
END_MESSAGE_MAP()

CCodeview::CCodeview(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL CCodeview::OnInitDialog() {
    CDialog::OnInitDialog();
    CString shown = m_strCode;
    shown.Replace("\n", "\r\n");
    SetDlgItemText(IDC_CODE_TEXT, shown);
    return TRUE;
}

void CCodeview::OnSave() {
    CString code = m_strCode;
    code.Remove('\r');

    CString fileName;
    fileName.Format("%s.h", m_strFileName.GetString());
    CFileDialog dialog(FALSE, nullptr, fileName, 0,
                       "c/c++ header(*.h)|*.h|c++ header(*.hpp)|*.hpp|c++ source(*.cpp)|*.cpp|all(*.*)|*.*||");
    if (dialog.DoModal() != IDOK) return;

    const FileWriteError error = ReplaceFileContents(dialog.GetPathName().str(), code.str());
    if (error) {
        AfxMessageBox(error.Describe(error.step == FileWriteError::Step::close ? "err(fclose)" : "err(fwite)").c_str());
        return;
    }
    MessageBox("저장을 완료하였습니다.", "", MB_OK);
}
