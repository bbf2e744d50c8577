-- Every row that an edit dialog changes counts its changes (row_version), so that an edit can tell whether
-- another session changed the row since its own session read it (procedures/005-read-states.sql). A trigger
-- counts every change of the values the dialog shows; the references to data items and interfaces are kept
-- by name and follow a rename of what they name, so those columns are left out, and the edits that set a
-- reference count their change themselves (remember_own_change).
ALTER TABLE domain ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE data_item ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE data_field ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE method ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE method_interface ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE node ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE node_ip ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE domain_system_port ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE network_link ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE component ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE component_class ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE custom_entry ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;
ALTER TABLE account ADD COLUMN row_version INT UNSIGNED NOT NULL DEFAULT 0;

CREATE TRIGGER domain_counts_changes BEFORE UPDATE ON domain FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.public <=> OLD.public
        AND NEW.standard_port <=> OLD.standard_port AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER data_item_counts_changes BEFORE UPDATE ON data_item FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.type <=> OLD.type
        AND NEW.physical <=> OLD.physical AND NEW.real_domain_id <=> OLD.real_domain_id
        AND NEW.scmin <=> OLD.scmin AND NEW.scmax <=> OLD.scmax AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER data_field_counts_changes BEFORE UPDATE ON data_field FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.member_name <=> OLD.member_name AND NEW.type <=> OLD.type
        AND NEW.physical <=> OLD.physical AND NEW.bitsize <=> OLD.bitsize
        AND NEW.real_domain_id <=> OLD.real_domain_id AND NEW.scmin <=> OLD.scmin AND NEW.scmax <=> OLD.scmax
        AND NEW.arraytype <=> OLD.arraytype AND NEW.arraysize <=> OLD.arraysize
        AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER method_counts_changes BEFORE UPDATE ON method FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.type <=> OLD.type
        AND NEW.code <=> OLD.code AND NEW.in_domain_id <=> OLD.in_domain_id
        AND NEW.out_domain_id <=> OLD.out_domain_id AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER interface_counts_changes BEFORE UPDATE ON method_interface FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER node_counts_changes BEFORE UPDATE ON node FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.type <=> OLD.type
        AND NEW.description <=> OLD.description AND NEW.sub_system_domain_id <=> OLD.sub_system_domain_id
        AND NEW.lock_flag <=> OLD.lock_flag, 0, 1);

CREATE TRIGGER node_ip_counts_changes BEFORE UPDATE ON node_ip FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.ip <=> OLD.ip AND NEW.mask <=> OLD.mask
        AND NEW.pattern <=> OLD.pattern AND NEW.gateway <=> OLD.gateway AND NEW.dns <=> OLD.dns
        AND NEW.port <=> OLD.port AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER system_port_counts_changes BEFORE UPDATE ON domain_system_port FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.port_num <=> OLD.port_num AND NEW.port_group <=> OLD.port_group
        AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER network_link_counts_changes BEFORE UPDATE ON network_link FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.s_node_id <=> OLD.s_node_id AND NEW.s_port <=> OLD.s_port
        AND NEW.d_node_id <=> OLD.d_node_id AND NEW.d_domain_id <=> OLD.d_domain_id
        AND NEW.d_port <=> OLD.d_port, 0, 1);

CREATE TRIGGER component_counts_changes BEFORE UPDATE ON component FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.name <=> OLD.name AND NEW.description <=> OLD.description, 0, 1);

CREATE TRIGGER class_counts_changes BEFORE UPDATE ON component_class FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.kind <=> OLD.kind AND NEW.method_domain_id <=> OLD.method_domain_id
        AND NEW.class_name <=> OLD.class_name, 0, 1);

CREATE TRIGGER entry_counts_changes BEFORE UPDATE ON custom_entry FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.object_id <=> OLD.object_id AND NEW.public <=> OLD.public
        AND NEW.stub_object_id <=> OLD.stub_object_id AND NEW.stub_ip <=> OLD.stub_ip, 0, 1);

CREATE TRIGGER account_counts_changes BEFORE UPDATE ON account FOR EACH ROW
  SET NEW.row_version = NEW.row_version + IF(NEW.is_administrator <=> OLD.is_administrator
        AND NEW.may_create_account <=> OLD.may_create_account
        AND NEW.may_create_domain <=> OLD.may_create_domain, 0, 1);
