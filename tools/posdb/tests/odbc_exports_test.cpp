// The driver manager believes SQLGetFunctions: a function reported but not
// exported fails at run time, one exported but not reported is never called.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

namespace {

struct Api {
    SQLUSMALLINT id;
    const char* name;
};

// Every ODBC 3 function a driver can provide.
constexpr Api kAll[] = {
    {SQL_API_SQLALLOCHANDLE, "SQLAllocHandle"},     {SQL_API_SQLBINDCOL, "SQLBindCol"},
    {SQL_API_SQLBINDPARAMETER, "SQLBindParameter"}, {SQL_API_SQLBROWSECONNECT, "SQLBrowseConnect"},
    {SQL_API_SQLBULKOPERATIONS, "SQLBulkOperations"}, {SQL_API_SQLCANCEL, "SQLCancel"},
    {SQL_API_SQLCLOSECURSOR, "SQLCloseCursor"},     {SQL_API_SQLCOLATTRIBUTE, "SQLColAttribute"},
    {SQL_API_SQLCOLUMNPRIVILEGES, "SQLColumnPrivileges"}, {SQL_API_SQLCOLUMNS, "SQLColumns"},
    {SQL_API_SQLCONNECT, "SQLConnect"},             {SQL_API_SQLCOPYDESC, "SQLCopyDesc"},
    {SQL_API_SQLDESCRIBECOL, "SQLDescribeCol"},     {SQL_API_SQLDESCRIBEPARAM, "SQLDescribeParam"},
    {SQL_API_SQLDISCONNECT, "SQLDisconnect"},       {SQL_API_SQLDRIVERCONNECT, "SQLDriverConnect"},
    {SQL_API_SQLENDTRAN, "SQLEndTran"},             {SQL_API_SQLEXECDIRECT, "SQLExecDirect"},
    {SQL_API_SQLEXECUTE, "SQLExecute"},             {SQL_API_SQLEXTENDEDFETCH, "SQLExtendedFetch"},
    {SQL_API_SQLFETCH, "SQLFetch"},                 {SQL_API_SQLFETCHSCROLL, "SQLFetchScroll"},
    {SQL_API_SQLFOREIGNKEYS, "SQLForeignKeys"},     {SQL_API_SQLFREEHANDLE, "SQLFreeHandle"},
    {SQL_API_SQLFREESTMT, "SQLFreeStmt"},           {SQL_API_SQLGETCONNECTATTR, "SQLGetConnectAttr"},
    {SQL_API_SQLGETCURSORNAME, "SQLGetCursorName"}, {SQL_API_SQLGETDATA, "SQLGetData"},
    {SQL_API_SQLGETDESCFIELD, "SQLGetDescField"},   {SQL_API_SQLGETDESCREC, "SQLGetDescRec"},
    {SQL_API_SQLGETDIAGFIELD, "SQLGetDiagField"},   {SQL_API_SQLGETDIAGREC, "SQLGetDiagRec"},
    {SQL_API_SQLGETENVATTR, "SQLGetEnvAttr"},       {SQL_API_SQLGETFUNCTIONS, "SQLGetFunctions"},
    {SQL_API_SQLGETINFO, "SQLGetInfo"},             {SQL_API_SQLGETSTMTATTR, "SQLGetStmtAttr"},
    {SQL_API_SQLGETTYPEINFO, "SQLGetTypeInfo"},     {SQL_API_SQLMORERESULTS, "SQLMoreResults"},
    {SQL_API_SQLNATIVESQL, "SQLNativeSql"},         {SQL_API_SQLNUMPARAMS, "SQLNumParams"},
    {SQL_API_SQLNUMRESULTCOLS, "SQLNumResultCols"}, {SQL_API_SQLPARAMDATA, "SQLParamData"},
    {SQL_API_SQLPREPARE, "SQLPrepare"},             {SQL_API_SQLPRIMARYKEYS, "SQLPrimaryKeys"},
    {SQL_API_SQLPROCEDURECOLUMNS, "SQLProcedureColumns"}, {SQL_API_SQLPROCEDURES, "SQLProcedures"},
    {SQL_API_SQLPUTDATA, "SQLPutData"},             {SQL_API_SQLROWCOUNT, "SQLRowCount"},
    {SQL_API_SQLSETCONNECTATTR, "SQLSetConnectAttr"}, {SQL_API_SQLSETCURSORNAME, "SQLSetCursorName"},
    {SQL_API_SQLSETDESCFIELD, "SQLSetDescField"},   {SQL_API_SQLSETDESCREC, "SQLSetDescRec"},
    {SQL_API_SQLSETENVATTR, "SQLSetEnvAttr"},       {SQL_API_SQLSETPOS, "SQLSetPos"},
    {SQL_API_SQLSETSTMTATTR, "SQLSetStmtAttr"},     {SQL_API_SQLSPECIALCOLUMNS, "SQLSpecialColumns"},
    {SQL_API_SQLSTATISTICS, "SQLStatistics"},       {SQL_API_SQLTABLEPRIVILEGES, "SQLTablePrivileges"},
    {SQL_API_SQLTABLES, "SQLTables"},
};

using AllocHandle = SQLRETURN (*)(SQLSMALLINT, SQLHANDLE, SQLHANDLE*);
using FreeHandle = SQLRETURN (*)(SQLSMALLINT, SQLHANDLE);
using GetFunctions = SQLRETURN (*)(SQLHDBC, SQLUSMALLINT, SQLUSMALLINT*);

TEST(DriverExports, ReportedFunctionsAreExactlyTheExportedOnes) {
    void* lib = dlopen(POSDB_DRIVER_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_TRUE(lib) << dlerror();
    auto alloc = reinterpret_cast<AllocHandle>(dlsym(lib, "SQLAllocHandle"));
    auto release = reinterpret_cast<FreeHandle>(dlsym(lib, "SQLFreeHandle"));
    auto functions = reinterpret_cast<GetFunctions>(dlsym(lib, "SQLGetFunctions"));
    ASSERT_TRUE(alloc && release && functions);

    SQLHANDLE env = nullptr, dbc = nullptr;
    ASSERT_EQ(alloc(SQL_HANDLE_ENV, nullptr, &env), SQL_SUCCESS);
    ASSERT_EQ(alloc(SQL_HANDLE_DBC, env, &dbc), SQL_SUCCESS);
    SQLUSMALLINT bitmap[SQL_API_ODBC3_ALL_FUNCTIONS_SIZE];
    ASSERT_EQ(functions(dbc, SQL_API_ODBC3_ALL_FUNCTIONS, bitmap), SQL_SUCCESS);
    int exported = 0;
    for (const Api& api : kAll) {
        const bool present = dlsym(lib, api.name) != nullptr;
        exported += present;
        EXPECT_EQ(SQL_FUNC_EXISTS(bitmap, api.id) == SQL_TRUE, present) << api.name;
        SQLUSMALLINT one = 9;
        ASSERT_EQ(functions(dbc, api.id, &one), SQL_SUCCESS);
        EXPECT_EQ(one == SQL_TRUE, present) << api.name;
    }
    EXPECT_GE(exported, 30);
    release(SQL_HANDLE_DBC, dbc);
    release(SQL_HANDLE_ENV, env);
    dlclose(lib);
}

}  // namespace
