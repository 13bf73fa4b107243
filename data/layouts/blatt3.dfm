object Blatt3: TBlatt3
  Left = 0
  Top = 0
  Width = 703
  Height = 881
  Caption = 'Gesamtübersicht Blatt 3'
  PixelsPerInch = 96
  TextHeight = 13
  object Lbl1: TLabel
    Left = 0
    Top = 14
    Width = 701
    Height = 22
    Alignment = taLeftJustify
    Caption = 'Zeitstudien- und Planzeitsystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -18
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Shp2: TShape
    Left = 0
    Top = 54
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl3: TLabel
    Left = 8
    Top = 60
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Kosten des Gesamtsystems'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin4: TShape
    Left = 0
    Top = 82
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl5: TLabel
    Left = 10
    Top = 92
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Investitionskosten System'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt6: TEdit
    Left = 222
    Top = 92
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 0
    Tag = 2
    Text = ''
  end
  object Lbl7: TLabel
    Left = 288
    Top = 92
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl8: TLabel
    Left = 10
    Top = 116
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Schulungskosten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt9: TEdit
    Left = 222
    Top = 116
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 1
    Tag = 2
    Text = ''
  end
  object Lbl10: TLabel
    Left = 288
    Top = 116
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl11: TLabel
    Left = 10
    Top = 140
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Zusatzkosten (Fahrt, Übernachtung)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt12: TEdit
    Left = 222
    Top = 140
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 2
    Tag = 2
    Text = ''
  end
  object Lbl13: TLabel
    Left = 288
    Top = 140
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lin14: TShape
    Left = 10
    Top = 160
    Width = 326
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl15: TLabel
    Left = 10
    Top = 164
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Gesamtkosten'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt16: TEdit
    Left = 222
    Top = 164
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 3
    Tag = 2
    Text = ''
  end
  object Lbl17: TLabel
    Left = 288
    Top = 164
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp18: TShape
    Left = 357
    Top = 54
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl19: TLabel
    Left = 365
    Top = 60
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Aufbau des Planzeitkatalogs'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin20: TShape
    Left = 357
    Top = 82
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl21: TLabel
    Left = 367
    Top = 92
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Beginn der Reduzierung nach'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt22: TEdit
    Left = 559
    Top = 92
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 4
    Tag = 2
    Text = ''
  end
  object Lbl23: TLabel
    Left = 625
    Top = 92
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Monat(en)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl24: TLabel
    Left = 367
    Top = 116
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Aufbau des Katalogs in'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt25: TEdit
    Left = 559
    Top = 116
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 5
    Tag = 2
    Text = ''
  end
  object Lbl26: TLabel
    Left = 625
    Top = 116
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Monat(en)'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl27: TLabel
    Left = 367
    Top = 140
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Reduzierung Zeitstudienanteil'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt28: TEdit
    Left = 559
    Top = 140
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 6
    Tag = 2
    Text = ''
  end
  object Lbl29: TLabel
    Left = 625
    Top = 140
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '% / Monat'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl30: TLabel
    Left = 367
    Top = 164
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Reduzierung Anzahl Zeitstudien'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt31: TEdit
    Left = 559
    Top = 164
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 7
    Tag = 2
    Text = ''
  end
  object Lbl32: TLabel
    Left = 625
    Top = 164
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = 'je Monat'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp33: TShape
    Left = 0
    Top = 232
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl34: TLabel
    Left = 8
    Top = 238
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Vergleich mit manueller Arbeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin35: TShape
    Left = 0
    Top = 260
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl36: TLabel
    Left = 10
    Top = 270
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Amortisationszeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt37: TEdit
    Left = 222
    Top = 270
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 8
    Tag = 2
    Text = ''
  end
  object Edt38: TEdit
    Left = 288
    Top = 270
    Width = 59
    Height = 12
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 23
    Tag = 0
    Text = ''
  end
  object Lbl39: TLabel
    Left = 10
    Top = 294
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Einsparung pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt40: TEdit
    Left = 183
    Top = 294
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 9
    Tag = 2
    Text = ''
  end
  object Lbl41: TLabel
    Left = 288
    Top = 294
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl42: TLabel
    Left = 10
    Top = 318
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 1 Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt43: TEdit
    Left = 183
    Top = 318
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 10
    Tag = 2
    Text = ''
  end
  object Lbl44: TLabel
    Left = 288
    Top = 318
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl45: TLabel
    Left = 10
    Top = 342
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 2 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt46: TEdit
    Left = 183
    Top = 342
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 11
    Tag = 2
    Text = ''
  end
  object Lbl47: TLabel
    Left = 288
    Top = 342
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl48: TLabel
    Left = 10
    Top = 366
    Width = 209
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Saldo nach 3 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt49: TEdit
    Left = 183
    Top = 366
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 12
    Tag = 2
    Text = ''
  end
  object Lbl50: TLabel
    Left = 288
    Top = 366
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp51: TShape
    Left = 357
    Top = 232
    Width = 346
    Height = 163
    Brush.Style = bsClear
  end
  object Lbl52: TLabel
    Left = 365
    Top = 238
    Width = 328
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Vergleich mit dem Zeitstudiensystem'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin53: TShape
    Left = 357
    Top = 260
    Width = 346
    Height = 1
    Brush.Style = bsClear
  end
  object Lbl54: TLabel
    Left = 367
    Top = 270
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Amortisationszeit'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Edt55: TEdit
    Left = 559
    Top = 270
    Width = 59
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 13
    Tag = 2
    Text = ''
  end
  object Edt56: TEdit
    Left = 625
    Top = 270
    Width = 59
    Height = 12
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 24
    Tag = 0
    Text = ''
  end
  object Lbl57: TLabel
    Left = 367
    Top = 294
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Mehreinsparung pro Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt58: TEdit
    Left = 520
    Top = 294
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 14
    Tag = 2
    Text = ''
  end
  object Lbl59: TLabel
    Left = 625
    Top = 294
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl60: TLabel
    Left = 367
    Top = 318
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorteil nach 1 Jahr'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt61: TEdit
    Left = 520
    Top = 318
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 15
    Tag = 2
    Text = ''
  end
  object Lbl62: TLabel
    Left = 625
    Top = 318
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl63: TLabel
    Left = 367
    Top = 342
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorteil nach 2 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt64: TEdit
    Left = 520
    Top = 342
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 16
    Tag = 2
    Text = ''
  end
  object Lbl65: TLabel
    Left = 625
    Top = 342
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Lbl66: TLabel
    Left = 367
    Top = 366
    Width = 189
    Height = 16
    Alignment = taLeftJustify
    Caption = 'Vorteil nach 3 Jahren'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Edt67: TEdit
    Left = 520
    Top = 366
    Width = 98
    Height = 13
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 17
    Tag = 2
    Text = ''
  end
  object Lbl68: TLabel
    Left = 625
    Top = 366
    Width = 59
    Height = 16
    Alignment = taLeftJustify
    Caption = '€'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -12
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object Shp69: TShape
    Left = 0
    Top = 410
    Width = 703
    Height = 142
    Brush.Style = bsClear
  end
  object Lbl70: TLabel
    Left = 8
    Top = 416
    Width = 685
    Height = 18
    Alignment = taLeftJustify
    Caption = 'Begründung der Investition'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -14
    Font.Name = 'Arial'
    Font.Style = [fsBold]
    ParentFont = False
  end
  object Lin71: TShape
    Left = 0
    Top = 438
    Width = 703
    Height = 1
    Brush.Style = bsClear
  end
  object Edt72: TEdit
    Left = 20
    Top = 448
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 18
    Tag = 0
    Text = ''
  end
  object Edt73: TEdit
    Left = 20
    Top = 467
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 19
    Tag = 0
    Text = ''
  end
  object Edt74: TEdit
    Left = 20
    Top = 486
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 20
    Tag = 0
    Text = ''
  end
  object Edt75: TEdit
    Left = 20
    Top = 505
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 21
    Tag = 0
    Text = ''
  end
  object Edt76: TEdit
    Left = 20
    Top = 524
    Width = 668
    Height = 14
    Font.Name = 'Arial'
    Font.Style = []
    TabOrder = 22
    Tag = 0
    Text = ''
  end
  object Lbl77: TLabel
    Left = 0
    Top = 567
    Width = 701
    Height = 15
    Alignment = taLeftJustify
    Caption = 'Vorteil: Saldo des Gesamtsystems abzüglich des Saldos des Zeitstudiensystems.'
    Font.Charset = DEFAULT_CHARSET
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'Arial'
    Font.Style = []
    ParentFont = False
  end
  object PbxBreite78: TPaintBox
    Left = 702
    Top = 0
    Width = 0
    Height = 0
  end
  object PbxHoehe79: TPaintBox
    Left = 0
    Top = 880
    Width = 0
    Height = 0
  end
end
