-- Demo POS database: the Harbour View Hotel with its restaurants and bars.
-- posdb-mkdb runs this as DBA on a fresh database that holds only the
-- catalogue (users SYS, DBA, PUBLIC).

-- corvane owns the POS tables and cannot log in; tarvel is the hotel
-- interface's login; clerk may log in but not create procedures.
INSERT INTO SYS.SYSUSERPERM(user_id, user_name, password, resourceauth, dbaauth, remarks) VALUES
    (100, 'corvane', NULL, 'Y', 'N', 'owner of the POS tables'),
    (101, 'tarvel', 'tarvel', 'Y', 'N', 'hotel front-office interface'),
    (102, 'clerk', 'clerk', 'N', 'N', 'back-office reports');

CREATE TABLE corvane.rest_status (
    CORVANE_VERSION_NUM VARCHAR(20),
    db_build INTEGER,
    last_update VARCHAR(19)
);
INSERT INTO corvane.rest_status VALUES ('4.10', 1406, '2024-03-18 04:12:55');

CREATE TABLE corvane.rest_def (
    rest_seq INTEGER PRIMARY KEY,
    name VARCHAR(40),
    ob_rvc009_us_tax CHAR(1) COLLATE NOCASE
);
INSERT INTO corvane.rest_def VALUES (1, 'Harbour View Hotel', 'T');

-- Rates 1 to 8 always exist; unused ones have neither name nor type.
CREATE TABLE corvane.tax_rate_def (
    tax_rate_seq INTEGER PRIMARY KEY,
    name VARCHAR(20),
    type CHAR(1) COLLATE NOCASE,
    percentage NUMERIC(7,4)
);
INSERT INTO corvane.tax_rate_def VALUES
    (1, 'State Sales Tax', 'P', 6.0),
    (2, 'City Tax', 'P', 2.25),
    (3, 'Liquor Tax', 'B', 3.5),
    (4, 'VAT Included', 'I', 19.0),
    (5, 'Resort Levy', 'F', 1.0),
    (6, NULL, NULL, NULL),
    (7, NULL, NULL, NULL),
    (8, NULL, NULL, NULL);

-- Tender/media: type 'T' tenders, 'S' service charges, 'D' discounts, 'P' paid outs.
CREATE TABLE corvane.tmed_def (
    obj_num INTEGER PRIMARY KEY,
    name VARCHAR(20),
    type CHAR(1) COLLATE NOCASE
);
INSERT INTO corvane.tmed_def VALUES
    (104, 'Room Charge', 'T'),
    (10, 'Gift Voucher', 'T'),
    (101, 'Cash', 'T'),
    (2, 'City Ledger', 'T'),
    (9, 'Hotel Voucher', 'T'),
    (201, 'Service Charge 10%', 'S'),
    (103, 'MasterCard', 'T'),
    (301, 'Employee Meal', 'D'),
    (102, 'Visa', 'T'),
    (401, 'Paid Out', 'P');

CREATE TABLE corvane.rvc_def (
    obj_num INTEGER PRIMARY KEY,
    name VARCHAR(20)
);
INSERT INTO corvane.rvc_def VALUES
    (3, 'Room Service'),
    (1, 'Harbour Restaurant'),
    (5, 'Pool Terrace'),
    (2, 'Lobby Bar'),
    (4, 'Captain''s Lounge');

-- qub_script 'T': the interface runs a POS script.
CREATE TABLE corvane.interface_def (
    obj_num INTEGER PRIMARY KEY,
    name VARCHAR(20),
    qub_script CHAR(1) COLLATE NOCASE
);
INSERT INTO corvane.interface_def VALUES
    (7, 'Golf Club PMS', 'T'),
    (2, 'Kitchen Display', 'F'),
    (3, 'Hotel Front Office', 'T'),
    (9, 'Loyalty Gateway', 'F'),
    (5, 'Spa Front Office', 'T');

-- The POS's own procedures; the hotel interface adds its prorating one.
create procedure corvane.sp_R_rvc_sales(in rvc integer, in business_date varchar(10))
begin
    select rvc_seq, sum(sales_ttl) from corvane.rvc_sales
     where rvc_seq = rvc and date_ = business_date
     group by rvc_seq;
end;

create procedure corvane.sp_purge_checks(in keep_days integer)
begin
    delete from corvane.chk_dtl where chk_open_date < today() - keep_days;
end;

grant EXECUTE on corvane.sp_R_rvc_sales TO PUBLIC;
