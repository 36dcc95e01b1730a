// The Form 16 sheet's record with no window: rows 1 to 16 from the main and deductions sheets
// as their Calculate and Back leave them, and the typed boxes it refuses.
#include "fields/conversions.h"
#include "records/form16.h"
#include "support/testsupport.h"

using namespace testsupport;

namespace {

// The names of a column of row 9 (A): the 80C lines, then 80CCC, 80CCD(1) and 80CCD(2).
QString savingsColumn(const char *lines, const char *ccc, const char *ccd1, const char *ccd2)
{
    QStringList names;
    for (int i = 0; i < records::Form16Record::kSavings; ++i)
        names << fields::elementName(lines, i);
    return (names << ccc << ccd1 << ccd2).join(' ');
}

const QString kRows1To8 = "txt1a txt1b txt1c txt1d txt2ta txt2hra txt2 txt3 txt4a txt4b txt5 txt6 txt7hp txt7os txt8";
const QString kGross = savingsColumn("txt9cg", "txt9cccg", "txt9ccd1g", "txt9ccd2g");
const QString kDeductible = savingsColumn("txt9cd", "txt9cccd", "txt9ccd1d", "txt9ccd2d");
const QString kRow9B = "txt9ccfg txt9ccfq txt9ccfd txt9dg txt9dq txt9dd txt9gg txt9gq txt9gd txt9othg txt9othq txt9othd";
const QString kRows10To16 = "txt10 txt11 txt12a txt12b txt12c txt12 txt13 txt14 txt15 txt16";

// An office's typed boxes that pass; each refusal row spoils one.
const QString kOffice = "txtemployer=Pay~and~Accounts~Office txtdedpan=PANNOTREQD txttan=DELP12345A";

} // namespace

class tst_Form16Record : public QObject
{
    Q_OBJECT
private slots:
    // Typed boxes are read in the user's number format: the tables are written in C's.
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void rows_data();
    void rows();
    void refusals_data();
    void refusals();
};

void tst_Form16Record::rows_data()
{
    // The age group; the main sheet's typed boxes; the deductions sheet's; then rows 1 to 8,
    // 9 (A) gross and deductible, 9 (B) gross, qualifying and deductible, and rows 10 to 16.
    testsupport::table(R"(
        below 60, house loss      | Below 60     | txtgs=812345 txttp=9600 txthra=41234 txtos=5678 txthp=-74400 txtdedtax=11111 | txtgpf=36000 txtgis=960 txthba=21000 txtlic=12345 txtppf=5000 txtnsc=3000 txtnsci=1500 txttf1=7000 txttf2=8000 txtinf=2500 txtos=4100 txt80ccc=6000 txt80ccdec=9000 txt80ccdgc=11000 txt80ccf=19000 txt80d=15500 txt80g=2100 txtoth=1300 | 812345 0 0 812345 9600 41234 50834 761511 0 0 0 761511 -74400 5678 692789 | 36000 960 21000 12345 5000 3000 1500 15000 2500 4100 6000 9000 11000 | 36000 960 21000 12345 5000 3000 1500 15000 2500 4100 6000 9000 11000 | 19000 19000 19000 15500 15500 15500 2100 2100 2100 1300 1300 1300 | 165305 527480 30496 0 0 30496 915 31411 0 31411
        60 to 79, 87A, LIC cut    | 60 to 79     | txtgs=642000 txttp=7200 txthra=18000 txtos=3300 txthp=12500 | txtgpf=100000 txtgis=960 txthba=30000 txtlic=25000 txtppf=5000 txt80ccc=7000 txt80ccdec=3000 txt80ccdgc=4000 txt80d=20000 | 642000 0 0 642000 7200 18000 25200 616800 0 0 0 616800 12500 3300 632600 | 100000 960 30000 25000 5000 0 0 0 0 0 7000 3000 4000 | 100000 960 30000 19040 0 0 0 0 0 0 0 0 4000 | 0 0 0 20000 20000 20000 0 0 0 0 0 0 | 174000 458600 15860 2000 0 13860 416 14276 0 14276
        80 and above, 80D ceiling | 80 and above | txtgs=1234567 txttp=4800 txthra=27000 txtos=45679 | txtlic=50000 txtppf=70000 txtnsc=10000 txt80ccdgc=8000 txt80d=31500 txt80g=5000 txtoth=2500 | 1234567 0 0 1234567 4800 27000 31800 1202767 0 0 0 1202767 0 45679 1248446 | 0 0 0 50000 70000 10000 0 0 0 0 0 0 8000 | 0 0 0 50000 70000 10000 0 0 0 0 0 0 8000 | 0 0 0 31500 30000 30000 5000 5000 5000 2500 2500 2500 | 177000 1071450 121435 0 0 121435 3643 125078 0 125078
        surcharge, marginal, 89   | Below 60     | txtgs=10345000 txttp=9600 txthra=60000 txtos=12356 txthp=-100000 txtrel89=50000 | txtgpf=140000 txttf2=12000 txt80ccdgc=20000 | 10345000 0 0 10345000 9600 60000 69600 10275400 0 0 0 10275400 -100000 12356 10187756 | 140000 0 0 0 0 0 0 12000 0 0 0 0 20000 | 140000 0 0 0 0 0 0 10000 0 0 0 0 20000 | 0 0 0 0 0 0 0 0 0 0 0 0 | 170000 10017760 2830328 0 12432 2842760 85283 2928043 51500 2876543
        surcharge in full, 89     | Below 60     | txtgs=11100000 txttp=9600 txthra=90400 txtos=45000 txthp=-15000 txtrel89=40000 | txtppf=20000 txt80ccc=10000 | 11100000 0 0 11100000 9600 90400 100000 11000000 0 0 0 11000000 -15000 45000 11030000 | 0 0 0 0 20000 0 0 0 0 0 10000 0 0 | 0 0 0 0 20000 0 0 0 0 0 10000 0 0 | 0 0 0 0 0 0 0 0 0 0 0 0 | 30000 11000000 3125000 0 312500 3437500 103125 3540625 45320 3495305
        80CCD(1) cut last         | Below 60     | txtgs=700000 txttp=9600 txthra=40400 txtos=8000 | txtgpf=60000 txtlic=40000 txtppf=20000 txt80ccc=15000 txt80ccdec=25000 txt80ccdgc=14000 | 700000 0 0 700000 9600 40400 50000 650000 0 0 0 650000 0 8000 658000 | 60000 0 0 40000 20000 0 0 0 0 0 15000 25000 14000 | 60000 0 0 40000 20000 0 0 0 0 0 15000 15000 14000 | 0 0 0 0 0 0 0 0 0 0 0 0 | 164000 494000 24400 2000 0 22400 672 23072 0 23072
    )");
}

void tst_Form16Record::rows()
{
    const auto [age, mainBoxes, deductionBoxes, rows1To8, gross, deductible, row9B, rows10To16] = testsupport::cells<8>();
    records::MainRecord main;
    main.cboage = age;
    put(main, "txtname=R.~K.~Sharma txtpan=ABCPS1234K " + mainBoxes);
    records::DeductionsRecord deductions;
    put(deductions, deductionBoxes);
    // As the program goes: the deductions sheet's Calculate and Back, then the main sheet's.
    QVERIFY(!records::calculate(deductions) && !records::handBack(deductions, main) && !records::calculate(main));
    records::Form16Record f;
    put(f, kOffice);
    QCOMPARE(told(records::calculate(f, main, deductions)), QString());
    QCOMPARE(shown(f, "txtname txtpan"), "R. K. Sharma ABCPS1234K");
    QCOMPARE(shown(f, kRows1To8), rows1To8);
    QCOMPARE(shown(f, kGross), gross);
    QCOMPARE(shown(f, kDeductible), deductible);
    QCOMPARE(shown(f, kRow9B), row9B);
    QCOMPARE(shown(f, kRows10To16), rows10To16);
}

void tst_Form16Record::refusals_data()
{
    // The main sheet's PAN; the Form 16 boxes typed over a form that passes; the box refused
    // ('' none) and how the message begins.
    testsupport::table(R"(
        no PAN, no deductor's PAN | PANNOTAVBL | txtdedpan=PANNOTREQD                     | ''        |
        real PANs, dated          | ABCPS1234K | txtdedpan=AAAGP0123K txtdate=15/06/2015  | ''        |
        one day, date blank       | ABCPS1234K | txtfrom=01/10/2014 txtto=01/10/2014 txtdate=~ | ''    |
        the whole year            | ABCPS1234K | txtfrom=1/4/2014 txtto=31/03/2015        | ''        |
        PAN short                 | ABCPS1234  |                                          | txtpan    | The box "PAN of the employee" holds "ABCPS1234", which is not a PAN (five letters, four digits and a letter) nor "PANNOTAVBL". Please correct it and calculate again.
        PAN empty, before all     | ''         | txtemployer='' txttan=x                  | txtpan    | The box "PAN of the employee" holds ""
        deductor's word           | PANNOTREQD |                                          | txtpan    | The box "PAN of the employee" holds "PANNOTREQD"
        employer empty            | ABCPS1234K | txtemployer=''                           | txtemployer | The box "Name of the employer" is empty: Form 16 names the employer.
        employer blank, before TAN| ABCPS1234K | txtemployer=~~ txttan=x                  | txtemployer | The box "Name of the employer" is empty
        employee's word           | ABCPS1234K | txtdedpan=PANNOTAVBL                     | txtdedpan | The box "PAN of the deductor" holds "PANNOTAVBL", which is not a PAN
        deductor PAN small        | ABCPS1234K | txtdedpan=aaagp0123k txttan=x            | txtdedpan | The box "PAN of the deductor" holds "aaagp0123k"
        TAN short                 | ABCPS1234K | txttan=ABCD1234E                         | txttan    | The box "TAN of the deductor" holds "ABCD1234E", which is not a TAN (four letters, five digits and a letter). Please correct it and calculate again.
        TAN shifted               | ABCPS1234K | txttan=ABC12345DE                        | txttan    | The box "TAN of the deductor" holds "ABC12345DE"
        TAN small                 | ABCPS1234K | txttan=abcd12345e                        | txttan    | The box "TAN of the deductor" holds "abcd12345e"
        TAN small letters first   | ABCPS1234K | txttan=abcd12345E                        | txttan    | The box "TAN of the deductor" holds "abcd12345E"
        TAN with a blank          | ABCPS1234K | txttan=ABCD12345E~                       | txttan    | The box "TAN of the deductor" holds "ABCD12345E "
        from not a day            | ABCPS1234K | txtfrom=31/04/2014 txtto=x               | txtfrom   | The box "Period from" holds "31/04/2014", which is not a date (dd/mm/yyyy). Please correct it and calculate again.
        to not a date             | ABCPS1234K | txtto=2015-03-31 txtfrom=01/04/2013      | txtto     | The box "Period to" holds "2015-03-31", which is not a date
        backwards                 | ABCPS1234K | txtto=31/03/2014                         | txtfrom   | The period with the employer, 01/04/2014 to 31/03/2014, runs backwards. Please correct it and calculate again.
        from a year early         | ABCPS1234K | txtfrom=01/04/2013 txtdate=x             | txtfrom   | The box "Period from" holds "01/04/2013", which is outside the year 01/04/2014 to 31/03/2015. Please correct it and calculate again.
        to after the year         | ABCPS1234K | txtto=01/04/2015                         | txtto     | The box "Period to" holds "01/04/2015", which is outside the year
        date not a day            | ABCPS1234K | txtdate=29/02/2015                       | txtdate   | The box "Date" holds "29/02/2015", which is not a date (dd/mm/yyyy).
    )");
}

void tst_Form16Record::refusals()
{
    const auto [pan, typed, box, message] = testsupport::cells<4>();
    records::MainRecord main;
    put(main, "txtgs=900000 txtname=R.~K.~Sharma txtpan=" + pan);
    QCOMPARE(told(records::calculate(main)), QString());
    records::DeductionsRecord deductions;
    records::Form16Record f;
    put(f, kOffice + " txt1a=-9 txt16=-9 " + typed); // what a refusal leaves alone: -9
    const QString said = told(records::calculate(f, main, deductions));
    if (box == u"''") {
        QCOMPARE(said, QString());
        QCOMPARE(shown(f, "txt1a txt16"), "900000 " + main.txtttax);
    } else {
        QVERIFY2(said.startsWith(message) && said.endsWith(" @" + box), qPrintable(said));
        QCOMPARE(shown(f, "txt1a txt16"), "-9 -9");
    }
}

QTEST_GUILESS_MAIN(tst_Form16Record)
#include "tst_form16record.moc"
