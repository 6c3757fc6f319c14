object frmDravik: TfrmDravik
  Caption = 'Carolune Dravik'
  Width = 640
  Height = 480
  Constraints.MinWidth = 130
  Position = poDesktopCenter
  ActiveControl = tvCate
  Font.Name = 'Verdana'
  Font.Height = -11
  Font.Style = []
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  OnResize = FormResize
  object skinForm1: TSkinForm
    UIStyle = Crystal
    Caption = 'Carolune Dravik'
    Menu = skinMainMenu1
    Width = 638
    Height = 479
    object pnlMain: TSkinImagePanel
      Left = 12
      Top = 52
      Width = 608
      Height = 408
      BorderWidth = 0
      Caption = ''
      object tvCate: TSkinTreeView
        UIStyle = Crystal
        Align = alLeft
        Width = 153
        ReadOnly = True
        HideSelection = False
        OnChange = tvCateChange
      end
      object Splitter1: TSplitter
        Align = alLeft
        Left = 153
        Width = 4
      end
      object pnlEditMain: TSkinImagePanel
        Align = alClient
        BorderWidth = 0
        Caption = ''
        object pnlGeneral: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object lblGeneral: TLabel
            Left = 16
            Top = 16
            Caption = 'The general information of filter and the author '
            Transparent = True
          end
          object lblGeneral2: TLabel
            Left = 16
            Top = 32
            Caption = 'of filter.'
            Transparent = True
          end
          object btnFilterInfo: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 64
            Width = 160
            Height = 25
            Caption = 'Filter Information'
            OnClick = btnFilterInfoClick
          end
          object btnAuthorInfo: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 100
            Width = 160
            Height = 25
            Caption = 'Author Information'
            OnClick = btnAuthorInfoClick
          end
        end
        object pnlFilterInfo: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object lblFilterType: TLabel
            Left = 16
            Top = 18
            Caption = 'Filter Type'
            Transparent = True
          end
          object ccmbFilterType: TSkinComboBox
            UIStyle = Azure
            Left = 110
            Top = 14
            Width = 150
            Height = 21
            Style = csDropDownList
            Items = (
              'Screen Show'
              'Key Press')
            ItemIndex = 0
            OnChange = ControlChanged
          end
          object lblFilterVersion: TLabel
            Left = 16
            Top = 50
            Caption = 'Version'
            Transparent = True
          end
          object edtFilterVersion: TSkinEdit
            UIStyle = Crystal
            Left = 110
            Top = 46
            Width = 150
            Height = 21
            OnChange = ControlChanged
          end
          object gbMobileInfo: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 78
            Width = 420
            Height = 118
            Caption = 'Mobile Phone Information'
            object rbMobileBrandClasses: TSkinRadioButton
              UIStyle = Azure
              Left = 12
              Top = 26
              Width = 17
              Height = 17
              Transparent = True
              Checked = True
              OnClick = ControlChanged
            end
            object cmbMobileBrandClasses: TSkinComboBox
              UIStyle = Azure
              Left = 94
              Top = 24
              Width = 150
              Height = 21
              Style = csDropDownList
              Items = (
                'Motorola'
                'Nokia'
                'Samsung'
                'Siemens'
                'Alcatel'
                'Panasonic'
                'Philips'
                'Sony.Ericsson')
              ItemIndex = 0
              OnChange = ControlChanged
            end
            object rbMobileBrandOthers: TSkinRadioButton
              UIStyle = Azure
              Left = 12
              Top = 56
              Width = 76
              Height = 17
              Caption = 'Others'
              Transparent = True
              OnClick = ControlChanged
            end
            object edtMobileBrandOthers: TSkinEdit
              UIStyle = Crystal
              Left = 94
              Top = 54
              Width = 150
              Height = 21
              OnChange = ControlChanged
            end
            object lblMobileModel: TLabel
              Left = 12
              Top = 88
              Caption = 'Model'
              Transparent = True
            end
            object edtMobileModel: TSkinEdit
              UIStyle = Crystal
              Left = 94
              Top = 84
              Width = 150
              Height = 21
              OnChange = ControlChanged
            end
          end
          object lblFilterDesc: TLabel
            Left = 16
            Top = 206
            Caption = 'Description'
            Transparent = True
          end
          object mmFilterDesc: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 224
            Width = 420
            Height = 160
            VScrollBar = sbFilterDesc
            OnChange = ControlChanged
          end
          object sbFilterDesc: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlAuthorInfo: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbAuthorInfo: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 124
            Caption = 'Author Infomation'
            object lblAuthorName: TLabel
              Left = 12
              Top = 28
              Caption = 'Author Name'
              Transparent = True
            end
            object edtAuthorName: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 24
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
            object lblAuthorEmail: TLabel
              Left = 12
              Top = 60
              Caption = 'E-mail'
              Transparent = True
            end
            object edtAuthorEmail: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 56
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
            object lblAuthorHomepage: TLabel
              Left = 12
              Top = 92
              Caption = 'Homepage'
              Transparent = True
            end
            object edtAuthorHomepage: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 88
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
          end
        end
        object pnlDefaultOption: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbDefaultOptions: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 92
            Caption = 'Default Options'
            object lblDefaultOctave: TLabel
              Left = 12
              Top = 28
              Caption = 'Default Octave'
              Transparent = True
            end
            object cmbDefaultOctave: TSkinComboBox
              UIStyle = Azure
              Left = 130
              Top = 24
              Width = 80
              Height = 21
              Style = csDropDownList
              Items = (
                '1'
                '0'
                '-1')
              ItemIndex = 1
              OnChange = ControlChanged
            end
            object ckDefaultOption_Sharp: TSkinCheckBox
              UIStyle = Frost
              Left = 250
              Top = 26
              Width = 100
              Height = 17
              Caption = 'Sharp'
              Transparent = True
              OnClick = ControlChanged
            end
            object lblDefaultDuration: TLabel
              Left = 12
              Top = 60
              Caption = 'Default Duration'
              Transparent = True
            end
            object cmbDefaultDuration: TSkinComboBox
              UIStyle = Azure
              Left = 130
              Top = 56
              Width = 80
              Height = 21
              Style = csDropDownList
              Items = (
                '1'
                '2'
                '4'
                '8'
                '16'
                '32'
                '64')
              OnChange = ControlChanged
            end
            object ckDefaultOptions_DotDuration: TSkinCheckBox
              UIStyle = Frost
              Left = 250
              Top = 58
              Width = 120
              Height = 17
              Caption = 'Dot Duration'
              Transparent = True
              OnClick = ControlChanged
            end
          end
          object mmDefaultOptionsHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 120
            Width = 420
            Height = 264
            Lines = (
              'Default Options:'
              '  The phone default options. It composed by four parts:'
              '  Octave: the value can be '
              '       -1:  low octive '
              '       0 :  normal octive'
              '       1 :  high octive'
              '  Sharp : the value can be'
              '        unchecked: flat'
              '        checked    : sharp'
              '  Special Duration: the values can be '
              '         unchecked:  no special duration'
              '         checked    :  has special duration(dot duration)'
              '  Duration: the value can be 1, 2, 4, 8, 16, 32')
            VScrollBar = sbDefaultOptionsHelp
          end
          object sbDefaultOptionsHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlRememberStateOption: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbRememberState: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 60
            Caption = 'Remember State Options'
            object ckbRememberStateOctave: TSkinCheckBox
              UIStyle = Frost
              Left = 12
              Top = 28
              Width = 90
              Height = 17
              Caption = 'Ocatve'
              Transparent = True
              OnClick = ControlChanged
            end
            object ckbRememberStateSharp: TSkinCheckBox
              UIStyle = Frost
              Left = 110
              Top = 28
              Width = 90
              Height = 17
              Caption = 'Sharp'
              Transparent = True
              OnClick = ControlChanged
            end
            object ckbRememberStateDotDuration: TSkinCheckBox
              UIStyle = Frost
              Left = 208
              Top = 28
              Width = 100
              Height = 17
              Caption = 'DotDuration'
              Transparent = True
              OnClick = ControlChanged
            end
            object ckbRememberStateDuration: TSkinCheckBox
              UIStyle = Frost
              Left = 316
              Top = 28
              Width = 90
              Height = 17
              Caption = 'Duration'
              Transparent = True
              OnClick = ControlChanged
            end
          end
          object lblRememberStateToneSeparater: TLabel
            Left = 16
            Top = 92
            Caption = 'Tone Separater'
            Transparent = True
          end
          object edtRememberStateToneSeparater: TSkinEdit
            UIStyle = Crystal
            Left = 130
            Top = 88
            Width = 100
            Height = 21
            OnChange = ControlChanged
          end
          object mmRememberStateHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 120
            Width = 420
            Height = 264
            Lines = (
              'Remember State Options:'
              '    Which state that the phone can remember when prepare the next tone. If it appears here, it means the phone can remember the state that the id mentions.'
              ''
              'Tone Separater:'
              '    The separater is used to separate the tones.')
            ReadOnly = True
            VScrollBar = sbRememberStateHelp
          end
          object sbRememberStateHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlNoteMapper: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbNoteMapper: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 92
            Caption = 'Note Mapper'
            object lblNoteMapperC: TLabel
              Left = 12
              Top = 28
              Caption = 'C'
              Transparent = True
            end
            object edtNoteMapperC: TSkinEdit
              UIStyle = Crystal
              Left = 32
              Top = 24
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperD: TLabel
              Left = 112
              Top = 28
              Caption = 'D'
              Transparent = True
            end
            object edtNoteMapperd: TSkinEdit
              UIStyle = Crystal
              Left = 132
              Top = 24
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperE: TLabel
              Left = 212
              Top = 28
              Caption = 'E'
              Transparent = True
            end
            object edtNoteMappere: TSkinEdit
              UIStyle = Crystal
              Left = 232
              Top = 24
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperF: TLabel
              Left = 312
              Top = 28
              Caption = 'F'
              Transparent = True
            end
            object edtNoteMapperf: TSkinEdit
              UIStyle = Crystal
              Left = 332
              Top = 24
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperG: TLabel
              Left = 12
              Top = 60
              Caption = 'G'
              Transparent = True
            end
            object edtNoteMapperG: TSkinEdit
              UIStyle = Crystal
              Left = 32
              Top = 56
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperA: TLabel
              Left = 112
              Top = 60
              Caption = 'A'
              Transparent = True
            end
            object edtNoteMapperA: TSkinEdit
              UIStyle = Crystal
              Left = 132
              Top = 56
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperB: TLabel
              Left = 212
              Top = 60
              Caption = 'B'
              Transparent = True
            end
            object edtNoteMapperB: TSkinEdit
              UIStyle = Crystal
              Left = 232
              Top = 56
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
            object lblNoteMapperP: TLabel
              Left = 312
              Top = 60
              Caption = 'P'
              Transparent = True
            end
            object edtNoteMapperP: TSkinEdit
              UIStyle = Crystal
              Left = 332
              Top = 56
              Width = 70
              Height = 21
              OnChange = ControlChanged
            end
          end
          object mmNoteMapperHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 120
            Width = 420
            Height = 264
            Lines = (
              'Note Mapper:'
              '     It''s used to mapper the note.')
            VScrollBar = sbNoteMapperHelp
          end
          object sbNoteMapperHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlSharpMapper: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbSharpMapper: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 92
            Caption = 'Sharp Mapper'
            object lblSharpMapperToSharp: TLabel
              Left = 12
              Top = 28
              Caption = 'Normal -> Sharp'
              Transparent = True
            end
            object edtSharpMapperToSharp: TSkinEdit
              UIStyle = Crystal
              Left = 170
              Top = 24
              Width = 230
              Height = 21
              OnChange = ControlChanged
            end
            object lblSharpMapperToNormal: TLabel
              Left = 12
              Top = 60
              Caption = 'Sharp -> Normal '
              Transparent = True
            end
            object edtSharpMapperToNormal: TSkinEdit
              UIStyle = Crystal
              Left = 170
              Top = 56
              Width = 230
              Height = 21
              OnChange = ControlChanged
            end
          end
          object mmSharpMapperHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 120
            Width = 420
            Height = 264
            Lines = (
              'Sharp Mapper:'
              '    The first is flat -> sharp mapper info.'
              '    The last is sharp -> flat mapper info.')
            VScrollBar = sbSharpMapperHelp
          end
          object sbSharpMapperHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlDotDurationMapper: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbDotDurationMapper: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 92
            Caption = 'Dot Duration Mapper'
            object lblDotDurationMapperToDot: TLabel
              Left = 12
              Top = 28
              Caption = 'Normal -> Dot Duration'
              Transparent = True
            end
            object edtDotDurationMapperToDot: TSkinEdit
              UIStyle = Crystal
              Left = 170
              Top = 24
              Width = 230
              Height = 21
              OnChange = ControlChanged
            end
            object lblDotDurationMapperToNormal: TLabel
              Left = 12
              Top = 60
              Caption = 'Dot Duration -> Normal '
              Transparent = True
            end
            object edtDotDurationMapperToNormal: TSkinEdit
              UIStyle = Crystal
              Left = 170
              Top = 56
              Width = 230
              Height = 21
              OnChange = ControlChanged
            end
          end
          object mmDotDurationMapperHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 120
            Width = 420
            Height = 264
            Lines = (
              'Dot Duration Mapper:'
              '     The first is no special duration -> special duraiton mapper info.'
              '     The last is special duration -> no special duration.')
            ReadOnly = True
            VScrollBar = sbDotDurationMapperHelp
          end
          object sbDotDurationMapperHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlDurationMapper: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbDurationMapper: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 188
            Caption = 'Duration Mapper'
            object lblDurationMapperType: TLabel
              Left = 12
              Top = 28
              Caption = 'Mapper Type'
              Transparent = True
            end
            object ccmbDurationMapperType: TSkinComboBox
              UIStyle = Azure
              Left = 110
              Top = 24
              Width = 80
              Height = 21
              Style = csDropDownList
              Items = (
                '0'
                '1'
                '2'
                '12')
              OnChange = ControlChanged
            end
            object lblDurationMapper1: TLabel
              Left = 12
              Top = 64
              Caption = '1'
              Transparent = True
            end
            object edtDurationMapper1: TSkinEdit
              UIStyle = Crystal
              Left = 36
              Top = 60
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper2: TLabel
              Left = 112
              Top = 64
              Caption = '2'
              Transparent = True
            end
            object edtDurationMapper2: TSkinEdit
              UIStyle = Crystal
              Left = 136
              Top = 60
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper4: TLabel
              Left = 212
              Top = 64
              Caption = '4'
              Transparent = True
            end
            object edtDurationMapper4: TSkinEdit
              UIStyle = Crystal
              Left = 236
              Top = 60
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper8: TLabel
              Left = 312
              Top = 64
              Caption = '8'
              Transparent = True
            end
            object edtDurationMapper8: TSkinEdit
              UIStyle = Crystal
              Left = 336
              Top = 60
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper16: TLabel
              Left = 12
              Top = 96
              Caption = '16'
              Transparent = True
            end
            object edtDurationMapper16: TSkinEdit
              UIStyle = Crystal
              Left = 36
              Top = 92
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper32: TLabel
              Left = 112
              Top = 96
              Caption = '32'
              Transparent = True
            end
            object edtDurationMapper32: TSkinEdit
              UIStyle = Crystal
              Left = 136
              Top = 92
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapper64: TLabel
              Left = 212
              Top = 96
              Caption = '64'
              Transparent = True
            end
            object edtDurationMapper64: TSkinEdit
              UIStyle = Crystal
              Left = 236
              Top = 92
              Width = 66
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapperToLonger: TLabel
              Left = 12
              Top = 128
              Caption = 'To Longer'
              Transparent = True
            end
            object edtDurationMapperToLonger: TSkinEdit
              UIStyle = Crystal
              Left = 90
              Top = 124
              Width = 100
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapperToShorter: TLabel
              Left = 212
              Top = 128
              Caption = 'To Shorter'
              Transparent = True
            end
            object edtDurationMapperToShorter: TSkinEdit
              UIStyle = Crystal
              Left = 300
              Top = 124
              Width = 100
              Height = 21
              OnChange = ControlChanged
            end
            object lblDurationMapperNoChange: TLabel
              Left = 12
              Top = 160
              Caption = 'No Change'
              Transparent = True
            end
            object edtDurationMapperNoChange: TSkinEdit
              UIStyle = Crystal
              Left = 90
              Top = 156
              Width = 100
              Height = 21
              OnChange = ControlChanged
            end
          end
          object mmDurationMapperHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 216
            Width = 420
            Height = 168
            Lines = (
              'Duration Mapper:'
              '  Mapper Type:'
              '     0: Use Duration Mapper Setup Info for duration mapper.'
              '     1: Use Dot Duration Mapper Setup Info for duration mapper. It will dup the mapper operate with the delta count.'
              '     2: Use the two duration delta count, It''s not apper when the delta count is less than 1.'
              '     12: Use the two duration delta count. It always appears even if delta count is less than 1.'
              '  Note: Delta count is the distance between  the current duration and the last duration.'
              ''
              'Delta count duration mapper info:'
              '     The first is short -> long mapper info, '
              '     The second is long -> short mapper info, '
              '     The last is no change mapper info, it is an option.')
            ReadOnly = True
            VScrollBar = sbDurationMapperHelp
          end
          object sbDurationMapperHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlOctaveMapper: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbOctaveMapper: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 156
            Caption = 'Octave Mapper'
            object lblOctaveMapperType: TLabel
              Left = 12
              Top = 28
              Caption = 'Mapper Type'
              Transparent = True
            end
            object cmbOctaveMapperType: TSkinComboBox
              UIStyle = Azure
              Left = 110
              Top = 24
              Width = 80
              Height = 21
              Style = csDropDownList
              Items = (
                '0'
                '1'
                '2'
                '12')
              OnChange = ControlChanged
            end
            object lblOctaveMapperToHigher: TLabel
              Left = 12
              Top = 60
              Caption = 'to higher'
              Transparent = True
            end
            object edtOctaveMapperToHigher: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 56
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
            object lblOctaveMapperToLower: TLabel
              Left = 12
              Top = 92
              Caption = 'to lower'
              Transparent = True
            end
            object edtOctaveMapperToLower: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 88
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
            object lblOctaveMapperNoChange: TLabel
              Left = 12
              Top = 124
              Caption = 'no Change'
              Transparent = True
            end
            object edtOctaveMapperNoChange: TSkinEdit
              UIStyle = Crystal
              Left = 110
              Top = 120
              Width = 290
              Height = 21
              OnChange = ControlChanged
            end
          end
          object mmOctaveMapperHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 184
            Width = 420
            Height = 200
            Lines = (
              'Octave Mapper:'
              '   The first is low-> high mapper info.'
              '   The second is high->low mapper info.'
              '   The last is no change mapper info, it is an option.'
              ''
              'Octave Mapper Type: It''s value can be'
              #9'0 - use OM info for octive mapper'
              #9'1 - use OM setup info for duration mapper, it will dup the mapper '
              'oprate with the delta count.'
              #9'2 - use the two octive delta count, it is not apper when the delta '
              'count is less than 1'
              #9'12 - use the two octive delta count, it always appears even if '
              'delta count is less than 1'
              #9'note: delta count is the distance between current octive and the '
              'last octive')
            VScrollBar = sbOctaveMapperHelp
          end
          object sbOctaveMapperHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlMapperOrder: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object gbMapperOrder: TSkinGroupBox
            UIStyle = Crystal
            Left = 16
            Top = 16
            Width = 420
            Height = 156
            Caption = 'Mapper Order'
            object lbMapperOrderMain: TSkinListBox
              UIStyle = Crystal
              Left = 12
              Top = 24
              Width = 300
              Height = 118
              OnClick = lbMapperOrderMainClick
            end
            object btnMapperOrderUpper: TSkinImageButton
              Left = 332
              Top = 48
              Width = 24
              Height = 24
              Stretch = True
              Hint = 'Up'
              ShowHint = True
              PicNormal = {bitmap CRYSTAL_SCROLLBAR_BUTTON 1/6}
              PicMouseOn = {bitmap CRYSTAL_SCROLLBAR_BUTTON 2/6}
              PicMouseDown = {bitmap CRYSTAL_SCROLLBAR_BUTTON 3/6}
              PicDisabled = {bitmap CRYSTAL_SCROLLBAR_BUTTON_DISABLED 1/2}
              OnClick = btnMapperOrderUpperClick
            end
            object btnMapperOrderDowner: TSkinImageButton
              Left = 332
              Top = 90
              Width = 24
              Height = 24
              Stretch = True
              Hint = 'Down'
              ShowHint = True
              PicNormal = {bitmap CRYSTAL_SCROLLBAR_BUTTON 4/6}
              PicMouseOn = {bitmap CRYSTAL_SCROLLBAR_BUTTON 5/6}
              PicMouseDown = {bitmap CRYSTAL_SCROLLBAR_BUTTON 6/6}
              PicDisabled = {bitmap CRYSTAL_SCROLLBAR_BUTTON_DISABLED 2/2}
              OnClick = btnMapperOrderDownerClick
            end
          end
          object mmMapperOrderHelp: TSkinMemo
            UIStyle = Crystal
            Left = 16
            Top = 184
            Width = 420
            Height = 200
            Lines = (
              'Mapper Order:'
              '    The convert will do convertion by the order of mappers.')
            VScrollBar = sbMapperOrderHelp
          end
          object sbMapperOrderHelp: TSkinScrollBar
            UIStyle = Crystal
            Orientation = skinVertical
          end
        end
        object pnlFilterOptions: TSkinImagePanel
          Align = alClient
          BorderWidth = 0
          Caption = ''
          object lblFilterOptions: TLabel
            Left = 16
            Top = 16
            Caption = 'The details of filter information.'
            Transparent = True
          end
          object skinButton1: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 44
            Width = 200
            Height = 25
            Caption = 'Default Options'
            OnClick = skinButton1Click
          end
          object skinButton2: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 78
            Width = 200
            Height = 25
            Caption = 'Remember State Options'
            OnClick = skinButton2Click
          end
          object skinButton3: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 112
            Width = 200
            Height = 25
            Caption = 'Note Mapper'
            OnClick = skinButton3Click
          end
          object skinButton4: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 146
            Width = 200
            Height = 25
            Caption = 'Sharp Mapper'
            OnClick = skinButton4Click
          end
          object skinButton5: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 180
            Width = 200
            Height = 25
            Caption = 'Dot Duration Mapper'
            OnClick = skinButton5Click
          end
          object skinButton6: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 214
            Width = 200
            Height = 25
            Caption = 'Duration Mapper'
            OnClick = skinButton6Click
          end
          object skinButton7: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 248
            Width = 200
            Height = 25
            Caption = 'Octave Mapper'
            OnClick = skinButton7Click
          end
          object skinButton8: TSkinButton
            UIStyle = Crystal
            Left = 16
            Top = 282
            Width = 200
            Height = 25
            Caption = 'Mapper Order'
            OnClick = skinButton8Click
          end
        end
      end
    end
  end
  object skinMainMenu1: TSkinMainMenu
    UIStyle = Crystal
    object mmiFile: TMenuItem
      Caption = '&File'
      object mmiNew: TMenuItem
        Action = actNew
      end
      object mmiOpen: TMenuItem
        Action = actOpen
      end
      object mmiSave: TMenuItem
        Action = actSave
      end
      object mmiFileSep: TMenuItem
        Caption = '-'
      end
      object mmiExit: TMenuItem
        Action = actExit
      end
    end
    object mmiEdit: TMenuItem
      Caption = '&Edit'
      object mmiCut: TMenuItem
        Action = actCut
      end
      object mmiCopy: TMenuItem
        Action = actCopy
      end
      object mmiPaste: TMenuItem
        Action = actPaste
      end
      object mmiEditSep: TMenuItem
        Caption = '-'
      end
      object mmiSelectAll: TMenuItem
        Action = actSelectAll
      end
    end
    object mmiHelp: TMenuItem
      Caption = '&Help'
      object mmiContents: TMenuItem
        Action = actContents
      end
      object mmiHelpSep1: TMenuItem
        Caption = '-'
      end
      object mmiQNews: TMenuItem
        Action = actQNews
      end
      object mmiHomePage: TMenuItem
        Action = actHomePage
      end
      object mmiHelpSep2: TMenuItem
        Caption = '-'
      end
      object mmiAbout: TMenuItem
        Action = actAbout
      end
    end
  end
  object ActionList1: TActionList
    object actNew: TAction
      Caption = 'New'
      ShortCut = 'Ctrl+N'
      OnExecute = actNewExecute
    end
    object actOpen: TAction
      Caption = 'Open'
      ShortCut = 'Ctrl+O'
      OnExecute = actOpenExecute
    end
    object actSave: TAction
      Caption = 'Save'
      ShortCut = 'Ctrl+S'
      OnExecute = actSaveExecute
    end
    object actExit: TAction
      Caption = 'Exit'
      OnExecute = actExitExecute
    end
    object actCut: TAction
      Caption = 'Cut'
      ShortCut = 'Ctrl+X'
      OnExecute = actCutExecute
    end
    object actCopy: TAction
      Caption = 'Copy'
      ShortCut = 'Ctrl+C'
      OnExecute = actCopyExecute
    end
    object actPaste: TAction
      Caption = 'Paste'
      ShortCut = 'Ctrl+V'
      OnExecute = actPasteExecute
    end
    object actSelectAll: TAction
      Caption = 'Select All'
      ShortCut = 'Ctrl+A'
      OnExecute = actSelectAllExecute
    end
    object actContents: TAction
      Caption = 'Contents'
      ShortCut = 'F1'
      OnExecute = actContentsExecute
    end
    object actQNews: TAction
      Caption = 'Carolune Filters'
      OnExecute = actQNewsExecute
    end
    object actHomePage: TAction
      Caption = 'Veskaro Home Page'
      OnExecute = actHomePageExecute
    end
    object actAbout: TAction
      Caption = 'About'
      OnExecute = actAboutExecute
    end
  end
  object OpenDialog1: TOpenDialog
    Filter = 'All filter types|*.kps;*.mss|KeyPress filteres (*.kps)|*.kps|ScreenShow filteres (*.mss)|*.mss|All files (*.*)|*.*'
    Options = [ofHideReadOnly, ofAllowMultiSelect, ofEnableSizing]
    Title = 'Carolune Filters'
  end
  object SaveDialog1: TSaveDialog
    Options = [ofOverwritePrompt, ofHideReadOnly, ofEnableSizing]
    Title = 'Save Carolune Filters'
  end
end
